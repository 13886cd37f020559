#!/usr/bin/env bash
# on_x11_display.sh PROGRAM ARGS...: runs PROGRAM on an X display of its own (a private Xvfb),
# or on the one DISPLAY names when there is no Xvfb. Exits 77, CTest's skip, with the reason when
# there is no display at all or no xprop, which the tests read the windows' properties with.
set -uo pipefail
command -v xprop >/dev/null || { echo "skipped: xprop (Debian's x11-utils) is missing"; exit 77; }
if command -v Xvfb >/dev/null; then
  scratch=$(mktemp -d)
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  [ -s "$scratch/display" ] || { echo "Xvfb did not start:"; cat "$scratch/xvfb.log"; exit 1; }
  export DISPLAY=":$(cat "$scratch/display")"
elif [ -z "${DISPLAY:-}" ] || ! xprop -root >/dev/null 2>&1; then
  echo "skipped: no X display (DISPLAY unset or not answering) and no Xvfb (Debian's xvfb)"
  exit 77
fi
"$@"
