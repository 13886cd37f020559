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
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

ddsgen --virtual-generator --report-log /tmp/gui.log >/tmp/ddsgen.out 2>&1 &
program=$!
window=$(xdotool search --sync --onlyvisible --pid $program | head -n 1)
# The start-up picture keeps the controls locked for two seconds.
sleep 3
xwd -root -silent >/tmp/start.xwd

click_transfer "$window" /tmp/gui.log
xwd -root -silent >/tmp/after.xwd

click_quit "$window"
for _ in $(seq 50); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
if kill -0 $program 2>/dev/null; then
    echo "ddsgen still running after quit"
    kill $program
else
    wait $program
    echo "ddsgen ended with $?"
fi
cat /tmp/ddsgen.out
