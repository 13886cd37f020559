#!/usr/bin/env bash
# Installs the Debian 12 packages the Windows build and its checks need, only those missing.
set -euo pipefail
source "$(dirname "$0")/../install-missing.sh"
install_missing --no-install-recommends \
  cmake ninja-build make pkg-config dpkg-dev \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  qt6-base-dev qt6-base-dev-tools googletest \
  nsis zip unzip wine wine64 xvfb xauth xdotool
