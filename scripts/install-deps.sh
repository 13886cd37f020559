#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only those that are missing.
# fonts-liberation2: the Arial-metric faces the window's layout was measured in, as the package
# recommends them. qt6-translations-l10n: Qt's own texts in the desktop's language, which the
# package depends on and the tests of the file dialogs read. nlohmann-json3-dev: ddsgen-cli's
# --json output (headers only, nothing at run time). python3-pyvisa-py and lxi-tools: the SCPI
# clients the instrument's tests drive it with (for Debian's /usr/bin/python3). xvfb, x11-utils:
# the secondary windows' test on a real X server, read with xprop. xdg-utils: the user guide opened
# through Debian's xdg-open. desktop-file-utils, appstream, devscripts: the install test's
# validators and hardening-check.
set -euo pipefail
source "$(dirname "$0")/install-missing.sh"
install_missing \
  cmake g++ make pkg-config \
  qt6-base-dev \
  libhidapi-dev libudev-dev \
  nlohmann-json3-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-liberation2 qt6-translations-l10n \
  python3-pyvisa-py lxi-tools \
  xvfb x11-utils xdg-utils desktop-file-utils appstream devscripts
