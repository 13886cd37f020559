#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only those that are missing.
# fonts-liberation2: the Arial-metric faces the window's layout was measured in, as the package
# recommends them. qt6-translations-l10n: Qt's own texts in the desktop's language, which the
# package depends on and the tests of the file dialogs read. nlohmann-json3-dev: ddsgen-cli's
# --json output (headers only, nothing at run time).
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev
  libhidapi-dev libudev-dev
  nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 qt6-translations-l10n
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
