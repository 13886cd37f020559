#!/usr/bin/env bash
# check_debian_package.sh PACKAGE.deb: what the package carries (the installed files, the runtime
# dependencies, the udev reload on install, the copyright and changelog) and lintian's verdict: no
# error, no warning and no note but those debian/ddsgen.lintian-overrides explains. Lintian's
# report, the pedantic tags included, is printed.
set -euo pipefail
package=${1:?usage: check_debian_package.sh PACKAGE.deb}
here=$(dirname "$0")
source "$here/installed_files.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

dpkg-deb -x "$package" "$scratch/root"
check_installed_files "$scratch/root"
for program in ddsgen ddsgen-cli; do
    readelf -S "$scratch/root/usr/bin/$program" | grep -q '\.symtab' && fail "$program is not stripped"
done
doc="$scratch/root/usr/share/doc/ddsgen"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" ||
    fail "no machine-readable copyright"
gzip -t "$doc/changelog.gz" || fail "changelog.gz is not gzip"

depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n libhidapi-hidraw0 libudev1 udev; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done
grep -q -- '-dev' <<<"$depends" && fail "Depends names a development package: $depends"
grep -q 'fonts-liberation2' <<<"$(dpkg-deb -f "$package" Recommends)" || fail "Recommends lacks the Arial-metric fonts"
[ "$(dpkg-deb -f "$package" Package)" = ddsgen ] || fail "package name"
[ -n "$(dpkg-deb -f "$package" Description | sed 1d)" ] || fail "no extended description"

dpkg-deb -e "$package" "$scratch/control"
[ -x "$scratch/control/postinst" ] || fail "postinst missing or not executable"
grep -q 'udevadm control --reload-rules' "$scratch/control/postinst" || fail "postinst does not reload udev rules"

lintian --fail-on error,warning,info --tag-display-limit 0 --display-info --pedantic "$package" ||
    fail "lintian reports an error, a warning or a note not overridden in debian/ddsgen.lintian-overrides"

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$package") checked"
