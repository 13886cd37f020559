#!/usr/bin/env bash
# Cross-builds Qt's base module for Windows from Debian's source package, the version of the
# host Qt, into the cache; does nothing when it is already there with the same configuration.
# Only what ddsgen uses: Core, Gui, Widgets, Network (the instrument server), Test, the windows
# platform plugin, the bundled third-party libraries, the gif and bmp image readers.
set -euo pipefail
source "$(dirname "$0")/env.sh"

# tabletevent off: the windows plugin would need the absent wintab.h. dynamicgl goes with
# opengl: left on, the window code wants the OpenGL context it would load. direct2d: a second
# platform plugin nobody loads unless asked.
features=(
  -DFEATURE_sql=OFF -DFEATURE_network=ON -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DFEATURE_dynamicgl=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF -DINPUT_openssl=no
  -DFEATURE_jpeg=OFF -DFEATURE_direct2d=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
)
# The stamp holds the configuration it was built with: another one builds Qt again.
stamp="$QT_PREFIX/.complete"
[ -e "$stamp" ] && [ "$(cat "$stamp")" = "${features[*]}" ] && exit 0

work="$DDSGEN_WINDOWS_CACHE/work/qt"
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
case "$host_version" in
  "$QT_VERSION"+*) ;;
  *) echo "host Qt is $host_version, not $QT_VERSION" >&2; exit 1 ;;
esac
if [ ! -e "$work/src/CMakeLists.txt" ]; then
  echo "Fetching Debian's qt6-base $host_version source"
  "$(dirname "$0")/fetch-source.sh" qt6-base "$host_version" "$work"
fi

# Qt 6.4.2 compiles its DirectWrite font database only together with Direct2D, while the windows
# plugin offers it (fontengine=directwrite) whenever DirectWrite 3 is on: offer it only with both.
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  "$work/src/src/plugins/platforms/windows/qwindowsintegration.cpp"

echo "Configuring Qt $QT_VERSION for Windows in $work/build"
rm -rf "$QT_PREFIX"
cmake -G Ninja -S "$work/src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  "${features[@]}"
echo "Building Qt (about 1000 steps)"
cmake --build "$work/build" -j "${JOBS:-$(nproc)}"
cmake --install "$work/build" >/dev/null
echo "${features[*]}" > "$stamp"
rm -rf "$work"
echo "Qt $QT_VERSION for Windows is in $QT_PREFIX"
