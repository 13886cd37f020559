#!/bin/bash
# Photographs the main window at its start-up state, after the start-up picture has gone, into
# docs/screenshot.png. Needs xvfb-run and ImageMagick; run from anywhere with the program built:
#   docs/make_screenshot.sh [path/to/ddsgen]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$(realpath "${1:-$here/../build/src/shell/ddsgen}")"
run="$(mktemp -d)"
trap 'rm -rf "$run"' EXIT
cp "$program" "$run/ddsgen" # the program keeps its settings file beside itself
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "cd '$run' && ./ddsgen & sleep 4.5; import -window root '$run/screen.png'; kill %1"
# The window is centred on the 1280 x 1024 screen; its client area is 959 x 725.
convert "$run/screen.png" -crop 959x725+160+149 +repage "$here/screenshot.png"
