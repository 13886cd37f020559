#!/usr/bin/env bash
# Clients no one here wrote, from Debian, drive the instrument: PyVISA with pyvisa-py and lxi-tools
# against `ddsgen-cli serve` and the window's --listen, each on the virtual generator. The uploads
# they cause must be byte-identical to `ddsgen-cli transfer`'s for the same settings (the reports
# from the header, code 3, to the last closing report, code 6). The filter command after it is not
# compared: the front panel sends it only when it changes, as the window does; `transfer` always.
# Usage: real_clients.sh DDSGEN_CLI DDSGEN. Exits 77 (skipped) when the clients are not installed.
set -euo pipefail
cli=$1
window=$2
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
if ! "$python" -c 'import pyvisa, pyvisa_py' 2>/dev/null; then
  echo "skipped: PyVISA with pyvisa-py is not installed for $python (scripts/install-deps.sh installs python3-pyvisa-py)"
  exit 77
fi
if ! command -v lxi >/dev/null; then
  echo "skipped: lxi-tools is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# Starts a server in the background (its pid in $pid) and waits for its "listening on" line.
serve() {
  local name=$1
  shift
  : >"$work/$name.err" # there before the server's own redirection, which the child makes later
  "$@" 2>>"$work/$name.err" &
  pid=$!
  for _ in $(seq 400); do
    port=$(sed -n 's/.*listening on .*:\([0-9][0-9]*\)$/\1/p' "$work/$name.err")
    [ -n "$port" ] && return 0
    sleep 0.05
  done
  echo "FAILED: $name never said it was listening"
  cat "$work/$name.err"
  exit 1
}

stop() { # SIGTERM: serve finishes and exits 0
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || { echo "FAILED: exit status $status after SIGTERM"; exit 1; }
}

uploads() { sed -n '/^0003/,/^0006/p' "$1"; }

same() { # $1 the log the clients caused, $2 transfer's
  if [ -n "$(uploads "$2")" ] && cmp -s <(uploads "$1") <(uploads "$2"); then
    echo "ok: $3"
  else
    echo "FAILED: $3"
    diff <(uploads "$1") <(uploads "$2") | head
    exit 1
  fi
}

lxi_checks() {
  lxi scpi -a 127.0.0.1 -p "$port" -r "*IDN?" | grep -q '^ddsgen,.*,virtual,' || { echo "FAILED: lxi scpi *IDN?"; exit 1; }
  lxi benchmark -a 127.0.0.1 -p "$port" -r -c 200 | grep -q 'Result: .* requests/second' \
    || { echo "FAILED: lxi benchmark"; exit 1; }
  echo "ok: lxi scpi and lxi benchmark"
}

serve preset "$cli" serve --virtual --listen 127.0.0.1:0 --report-log "$work/serve-preset.log"
"$python" "$here/pyvisa_client.py" "$port" preset
lxi_checks
stop
"$cli" transfer --virtual --frequency 1500 --kind 3 --offset 127 --report-log "$work/transfer-preset.log" >/dev/null
same "$work/serve-preset.log" "$work/transfer-preset.log" "serve's upload equals transfer's (1500 Hz, triangle)"

serve arbitrary "$cli" serve --virtual --listen 127.0.0.1:0 --report-log "$work/serve-arbitrary.log"
"$python" "$here/pyvisa_client.py" "$port" arbitrary
stop
"$python" -c 'print("\n".join(str(i * 255 // 999) for i in range(1000)))' >"$work/codes.csv"
"$cli" transfer --virtual --frequency 1000 --file "$work/codes.csv" --offset 127 \
  --report-log "$work/transfer-arbitrary.log" >/dev/null
same "$work/serve-arbitrary.log" "$work/transfer-arbitrary.log" "serve's upload equals transfer's (1000 codes)"

# The window from a folder of its own, where it keeps its settings and work picture.
cp "$window" "$work/ddsgen"
serve window env QT_QPA_PLATFORM=offscreen "$work/ddsgen" --virtual-generator --listen 0 \
  --report-log "$work/window.log"
"$python" "$here/pyvisa_client.py" "$port" preset
lxi_checks
kill -TERM "$pid"
wait "$pid" || true
pid=
same "$work/window.log" "$work/transfer-preset.log" "the window's upload equals transfer's (1500 Hz, triangle)"

echo "real clients: every check passed"
