#!/usr/bin/env bash
# xdg_open_record.sh ADDRESS: hands ADDRESS to Debian's own xdg-open on a desktop it does not
# recognise, whose default application for web pages is a stand-in browser, and prints what that
# browser was given. Exits 77 when there is no xdg-open (Debian's xdg-utils).
set -euo pipefail
[ -x /usr/bin/xdg-open ] || { echo "skipped: no /usr/bin/xdg-open (Debian's xdg-utils)"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config" "$scratch/data/applications"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" > "%s/given"\n' "$scratch" >"$scratch/browser"
chmod +x "$scratch/browser"
printf '[Desktop Entry]\nType=Application\nName=Browser\nExec=%s %%u\nMimeType=text/html;\n' "$scratch/browser" \
  >"$scratch/data/applications/ddsgen-test-browser.desktop"
printf '[Default Applications]\ntext/html=ddsgen-test-browser.desktop\n' >"$scratch/config/mimeapps.list"
# A display is only looked for, never opened.
env -i PATH=/usr/bin:/bin HOME="$scratch" DISPLAY=:0 XDG_CONFIG_HOME="$scratch/config" \
  XDG_CONFIG_DIRS="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS=/usr/share \
  /usr/bin/xdg-open "$1" >&2
cat "$scratch/given"
