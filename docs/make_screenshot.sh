#!/bin/bash
# Photographs the main window into docs/: screenshot.png at its start-up state (after the start-up
# picture has gone), screenshot-played.png with the overlay of the bytes the generator plays at
# range 7, position 70, and screenshot-import.png after importing a time;value CSV. Needs
# xvfb-run, xdotool and ImageMagick; run from anywhere with the program built:
#   docs/make_screenshot.sh [path/to/ddsgen]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$(realpath "${1:-$here/../build/src/shell/ddsgen}")"
run="$(mktemp -d)"
trap 'rm -rf "$run"' EXIT
cp "$program" "$run/ddsgen" # the program keeps its settings file beside itself
# A scope export: header, time;value with decimal commas, one period of a clipped sine.
python3 - "$run/scope.csv" <<'PY'
import math, sys
with open(sys.argv[1], "w", newline="") as f:
    f.write("Time (s);CH1 (V)\r\n")
    for i in range(1000):
        v = max(-2.0, min(2.0, 2.5 * math.sin(2 * math.pi * i / 1000)))
        f.write(("%.6f;%.4f\r\n" % (i * 1e-6, v)).replace(".", ","))
PY
cat > "$run/shoot.sh" <<'SH'
set -e
source "$3/window-clicks.sh"
cd "$1"
./ddsgen &
program=$!
# Each step waits for the window it shows or hides; the repaint that follows at once gets half a
# second to reach the screen before the shot.
windows_shown() { [ "$(xdotool search --onlyvisible --pid $program 2>/dev/null | wc -l)" -eq "$1" ]; }
# The window is centred on the 1280 x 1024 screen; its client area is 959 x 725 at (160, 149).
shot() { sleep 0.5; import -window root screen.png; convert screen.png -crop 959x725+160+149 +repage "$1"; }
wait_for "$window_wait" "the main window to show" main_window_shown $program
wait_until_unlocked
shot "$2/screenshot.png"
xdotool mousemove $((160 + 332)) $((149 + 176)) click 1   # range button 1M
xdotool mousemove $((160 + 188)) $((149 + 116)) click 1   # the frequency slider takes the keys
xdotool key Home
for _ in $(seq 70); do xdotool key Right; done
xdotool key p
shot "$2/screenshot-played.png"
xdotool key p
xdotool mousemove $((160 + 71)) $((149 + 14)) click 1     # open
wait_for "$window_wait" "the open dialog to show" windows_shown 2
xdotool type --delay 20 "$1/scope.csv"
xdotool key Return
wait_for "$window_wait" "the open dialog to close" windows_shown 1
shot "$2/screenshot-import.png"
kill $program
SH
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$run/shoot.sh" "$run" "$here" "$here/../scripts"
