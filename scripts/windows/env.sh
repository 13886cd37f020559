# Settings shared by the Windows cross-build scripts (sourced, not run).
# The cache lives outside the clone so later runs and fresh clones reuse the cross-built Qt.
DDSGEN_WINDOWS_CACHE="${DDSGEN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/ddsgen-windows}"
QT_VERSION=6.4.2
HIDAPI_VERSION=0.13.1
QT_PREFIX="$DDSGEN_WINDOWS_CACHE/qt-$QT_VERSION"
HIDAPI_PREFIX="$DDSGEN_WINDOWS_CACHE/hidapi-$HIDAPI_VERSION"
REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake"
MINGW_TRIPLET=x86_64-w64-mingw32
# The MinGW runtime DLLs every program needs beside it.
MINGW_RUNTIME_DLLS=(
  /usr/lib/gcc/$MINGW_TRIPLET/12-posix/libstdc++-6.dll
  /usr/lib/gcc/$MINGW_TRIPLET/12-posix/libgcc_s_seh-1.dll
  /usr/$MINGW_TRIPLET/lib/libwinpthread-1.dll
)
