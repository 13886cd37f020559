#!/usr/bin/env bash
# build-package.sh BUILD: the Debian package as a Debian packager builds it (debian/,
# dpkg-buildpackage -us -uc -b), from a copy of this tree's files in BUILD/deb, so nothing is
# written beside the tree; then checked (tests/packaging/check_debian_package.sh, lintian
# included). The package lands in BUILD. The tests are left to `make test` unless
# DEB_BUILD_OPTIONS says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-missing.sh
install_missing debhelper dpkg-dev fakeroot lintian
build=$(realpath -m "${1:-build}")
version=$(dpkg-parsechangelog -S Version)
architecture=$(dpkg --print-architecture)
work="$build/deb"
source_copy="$work/ddsgen-$version"
rm -rf "$work"
mkdir -p "$source_copy"
# The tree as it stands, committed or not, without what git ignores (the build folders).
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$source_copy"
echo "dpkg-buildpackage -us -uc -b in $source_copy (log: $work/build.log)"
(cd "$source_copy" && DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck}" \
    dpkg-buildpackage -us -uc -b -j"${JOBS:-$(nproc)}") >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; exit 1; }
package="ddsgen_${version}_${architecture}.deb"
cp "$work/$package" "$build/$package"
bash tests/packaging/check_debian_package.sh "$build/$package"
