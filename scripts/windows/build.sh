#!/usr/bin/env bash
# build.sh BUILD DIST: the Windows programs, tests, installer and portable zip, cross-built on
# Debian. Qt and hidapi are built once into the cache (see env.sh); this tree goes to BUILD, the
# installer and the zip to DIST.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/env.sh"
build="$(realpath -m "${1:-build-windows}")"
dist="$(realpath -m "${2:-dist}")"
jobs="${JOBS:-$(nproc)}"

bash "$here/install-deps.sh"
JOBS=$jobs "$here/build-qt.sh"
JOBS=$jobs "$here/build-hidapi.sh"

# Qt's own texts (the file dialogs, the buttons) in the desktop's language, as on Linux: Debian's
# catalogues serve every platform. A language's "qt" catalogue loads the module catalogues it
# names (qtbase, qtmultimedia), so those come along. Into the cache, where the test programs' Qt
# looks, and below into the staged program, where the installed one looks.
qt_catalogues=(/usr/share/qt6/translations/qt_??.qm /usr/share/qt6/translations/qt_??_??.qm
  /usr/share/qt6/translations/qtbase_*.qm /usr/share/qt6/translations/qtmultimedia_*.qm)
mkdir -p "$QT_PREFIX/translations"
cp "${qt_catalogues[@]}" "$QT_PREFIX/translations/"

# The JSON library is header-only: Debian's copy is used from a prefix of its own, so that the
# Windows compiler is never pointed at /usr/include.
json_prefix="$build/nlohmann-json"
mkdir -p "$json_prefix/include" "$json_prefix/share/cmake"
ln -sfn /usr/include/nlohmann "$json_prefix/include/nlohmann"
ln -sfn /usr/share/cmake/nlohmann_json "$json_prefix/share/cmake/nlohmann_json"

# pkg-config finds only the Windows hidapi; CMake searches below the cache as well as MinGW's root.
PKG_CONFIG_LIBDIR="$HIDAPI_PREFIX/lib/pkgconfig" "$QT_PREFIX/bin/qt-cmake" -G Ninja \
  -S "$REPO_ROOT" -B "$build" \
  -DCMAKE_BUILD_TYPE=Release \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
  -DCMAKE_FIND_ROOT_PATH="$HIDAPI_PREFIX" \
  -Dnlohmann_json_DIR="$json_prefix/share/cmake/nlohmann_json" \
  -DDDSGEN_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$build" -j "$jobs"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
stage="$build/stage/ddsgen-$version"
rm -rf "$build/stage"
mkdir -p "$stage/platforms" "$stage/imageformats" "$stage/styles" "$stage/generateur_fonctions" "$stage/translations"
cp "$build/src/shell/ddsgen.exe" "$build/src/cli/ddsgen-cli.exe" "$stage/"
cp "$REPO_ROOT"/src/shell/generateur_fonctions/* "$stage/generateur_fonctions/"
cp "$QT_PREFIX/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$QT_PREFIX/plugins/imageformats/qgif.dll" "$stage/imageformats/"
cp "$QT_PREFIX/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "${qt_catalogues[@]}" "$stage/translations/"
"$here/copy-dlls.sh" "$stage" "$stage"/*.exe "$stage"/*/*.dll

mkdir -p "$dist"
installer="$dist/ddsgen-$version-setup.exe"
zip_file="$dist/ddsgen-$version-windows-x86_64.zip"
# The installer installs, and its uninstaller removes, exactly the staged files.
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||' | while read -r f; do
    dir=$(dirname "$f"); [ "$dir" = . ] && dir= || dir="\\${dir//\//\\}"
    printf 'SetOutPath "$INSTDIR%s"\nFile "%s"\n' "$dir" "$stage/$f"
  done
) > "$build/stage/files.nsh"
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||' | while read -r f; do printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"; done
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||' | while read -r d; do printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"; done
) > "$build/stage/unfiles.nsh"
makensis -V2 -DVERSION="$version" -DOUTFILE="$installer" -DFILES="$build/stage/files.nsh" \
  -DUNFILES="$build/stage/unfiles.nsh" "$REPO_ROOT/packaging/windows/ddsgen.nsi"
rm -f "$zip_file"
(cd "$build/stage" && zip -qr -X "$zip_file" "ddsgen-$version")
echo "Windows installer: $installer"
echo "Portable zip:      $zip_file"
