#!/usr/bin/env bash
# Run by check-fresh-install.sh inside the fresh system as an ordinary user: starts the installed
# program under Xvfb with the virtual generator, clicks the transfer button once the start-up
# picture has gone, then the toolbar's quit button, and reports how the program ended.
# Screenshots go to /tmp/start.xwd and /tmp/after.xwd, the written reports to /tmp/gui.log.
set -u
source /tmp/window-clicks.sh
cd ~
rm -f /tmp/gui.log
Xvfb :7 -screen 0 1400x900x24 >/tmp/xvfb.log 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:7
display_answers() { xdpyinfo >/dev/null 2>&1; }
wait_for "$window_wait" "Xvfb to answer" display_answers

started=$(now)
ddsgen --virtual-generator --report-log /tmp/gui.log >/tmp/ddsgen.out 2>&1 &
program=$!
window=""
if ! { wait_for "$window_wait" "the main window to show" main_window_shown $program && wait_until_unlocked; }; then
    kill $program
    cat /tmp/ddsgen.out
    exit 1
fi
echo "window up and unlocked after $(seconds_since "$started")"
xwd -root -silent >/tmp/start.xwd

started=$(now)
click_transfer "$window" /tmp/gui.log && echo "transfer ended after $(seconds_since "$started")"
xwd -root -silent >/tmp/after.xwd

if click_quit "$window" $program; then
    wait $program
    echo "ddsgen ended with $?"
else
    echo "ddsgen still running after quit"
    kill $program
fi
cat /tmp/ddsgen.out
