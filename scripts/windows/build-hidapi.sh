#!/usr/bin/env bash
# Cross-builds hidapi with its Windows backend (hid.dll, setupapi) from Debian's source package,
# the version of the host's hidapi, into the cache; does nothing when it is already there.
set -euo pipefail
source "$(dirname "$0")/env.sh"
stamp="$HIDAPI_PREFIX/.complete"
[ -e "$stamp" ] && exit 0

work="$DDSGEN_WINDOWS_CACHE/work/hidapi"
host_version=$(dpkg-query -W -f='${Version}' libhidapi-dev 2>/dev/null || true)
case "$host_version" in
  "$HIDAPI_VERSION"-*) ;;
  *) host_version=$(apt-cache madison hidapi | awk -v v="$HIDAPI_VERSION" '$3 ~ "^"v"-" { print $3; exit }') ;;
esac
[ -n "$host_version" ] || { echo "no Debian source of hidapi $HIDAPI_VERSION" >&2; exit 1; }
if [ ! -e "$work/src/CMakeLists.txt" ]; then
  echo "Fetching Debian's hidapi $host_version source"
  "$(dirname "$0")/fetch-source.sh" hidapi "$host_version" "$work"
fi
rm -rf "$HIDAPI_PREFIX"
cmake -G Ninja -S "$work/src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$HIDAPI_PREFIX" \
  -DBUILD_SHARED_LIBS=ON >/dev/null
cmake --build "$work/build"
cmake --install "$work/build" >/dev/null
touch "$stamp"
rm -rf "$work"
echo "hidapi $HIDAPI_VERSION for Windows is in $HIDAPI_PREFIX"
