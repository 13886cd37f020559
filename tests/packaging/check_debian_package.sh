#!/usr/bin/env bash
# Builds the Debian package from a built tree into a scratch folder and checks what it carries:
# the files a desktop install needs, the runtime dependencies, the udev reload on install, and
# nothing from the build (headers, static libraries, test programs).
set -euo pipefail
build_dir=${1:?usage: check_debian_package.sh BUILD_DIR}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
package=$(find "$scratch" -maxdepth 1 -name 'ddsgen_*.deb' | head -n 1)
[ -n "$package" ] || { echo "no package was built"; cat "$scratch/cpack.log"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

files=$(dpkg-deb -c "$package" | awk '{print $NF}')
for expected in \
    ./usr/bin/ddsgen \
    ./usr/bin/ddsgen-cli \
    ./usr/bin/generateur_fonctions/utlisation_soft.htm \
    ./usr/share/applications/ddsgen.desktop \
    ./usr/share/icons/hicolor/16x16/apps/ddsgen.png \
    ./usr/share/icons/hicolor/48x48/apps/ddsgen.png \
    ./usr/share/icons/hicolor/256x256/apps/ddsgen.png \
    ./usr/lib/udev/rules.d/70-ddsgen.rules \
    ./usr/share/man/man1/ddsgen.1.gz \
    ./usr/share/man/man1/ddsgen-cli.1.gz \
    ./usr/share/doc/ddsgen/changelog.gz; do
    grep -qxF "$expected" <<<"$files" || fail "missing $expected"
done
if grep -E '\.(a|h)$|/include/|/test_|/bench_' <<<"$files"; then
    fail "build files in the package"
fi
dpkg-deb -c "$package" | grep -E '^-rwxr-xr-x .* \./usr/bin/ddsgen$' >/dev/null ||
    fail "the program is not executable"

depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n libhidapi-hidraw0 libudev1 udev; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done
grep -q -- '-dev' <<<"$depends" && fail "Depends names a development package: $depends"
grep -q 'fonts-liberation2' <<<"$(dpkg-deb -f "$package" Recommends)" || fail "Recommends lacks the Arial-metric fonts"
[ "$(dpkg-deb -f "$package" Package)" = ddsgen ] || fail "package name"

dpkg-deb -e "$package" "$scratch/control"
[ -x "$scratch/control/postinst" ] || fail "postinst missing or not executable"
grep -q 'udevadm control --reload-rules' "$scratch/control/postinst" || fail "postinst does not reload udev rules"

dpkg-deb -x "$package" "$scratch/root"
grep -q '^Exec=ddsgen$' "$scratch/root/usr/share/applications/ddsgen.desktop" || fail "desktop entry Exec"
grep -q 'idVendor}=="04d8"' "$scratch/root/usr/lib/udev/rules.d/70-ddsgen.rules" || fail "udev rule content"
for program in ddsgen ddsgen-cli; do
    readelf -S "$scratch/root/usr/bin/$program" | grep -q '\.symtab' && fail "$program is not stripped"
done
[ -n "$(dpkg-deb -f "$package" Description | sed 1d)" ] || fail "no extended description"
gzip -t "$scratch/root/usr/share/doc/ddsgen/changelog.gz" || fail "changelog.gz is not gzip"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$scratch/root/usr/share/applications/ddsgen.desktop" || fail "desktop entry invalid"
fi

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$package") checked"
