#!/usr/bin/env bash
# Installs the Debian 12 packages the Windows build and its checks need, only those missing.
# qt6-translations-l10n: Qt's own texts, shipped with the program. fonts-liberation2: the faces the
# test programs draw with on Qt's offscreen platform, which on Windows reads no system font.
set -euo pipefail
source "$(dirname "$0")/../install-missing.sh"
install_missing --no-install-recommends \
  cmake ninja-build make pkg-config dpkg-dev \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n googletest fonts-liberation2 \
  nsis zip unzip wine wine64 xvfb xauth xdotool
