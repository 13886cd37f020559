#!/usr/bin/env bash
# check_install.sh BUILD_DIR [--hardened]: installs a built tree below a scratch folder as the
# package does (prefix /usr) and checks what it holds; with --hardened (the Release build), that
# both programs carry Debian's hardening.
set -euo pipefail
build_dir=${1:?usage: check_install.sh BUILD_DIR [--hardened]}
hardened=${2:-}
here=$(dirname "$0")
source "$here/installed_files.sh"
for tool in desktop-file-validate appstreamcli ${hardened:+hardening-check}; do
    command -v $tool >/dev/null || { echo "skipped: $tool is missing (make test installs it)"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$scratch/root" cmake --install "$build_dir" --prefix /usr >"$scratch/install.log" ||
    { cat "$scratch/install.log"; exit 1; }
check_installed_files "$scratch/root"
if [ "$hardened" = --hardened ]; then
    # Control-flow protection is not among the flags Debian 12 gives.
    hardening-check --nocfprotection "$scratch/root/usr/bin/ddsgen" "$scratch/root/usr/bin/ddsgen-cli" ||
        fail "the programs lack some of the hardening"
fi

[ "$failures" -eq 0 ] || exit 1
echo "install checked"
