# Sourced by the install-deps scripts. install_missing [APT-OPTION...] PACKAGE...: installs with
# apt-get those of the Debian packages that are not installed yet (through sudo when not root);
# arguments starting with "-" go to `apt-get install`.
install_missing() {
  local options=() missing=() p
  for p in "$@"; do
    if [[ $p == -* ]]; then
      options+=("$p")
    elif ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${options[@]}" "${missing[@]}"
}
