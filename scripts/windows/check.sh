#!/usr/bin/env bash
# check.sh WINDOWS_BUILD LINUX_BUILD DIST: the Windows build proven under Wine and Xvfb, against
# the Linux build. One line per check, ending with the time it took in brackets (a test program's
# own run, else the time since the line before), then "N passed, N failed"; exits 1 when any
# failed. Each wait is for its event, with a generous bound and a line naming it when it gives up.
# Work files go to WINDOWS_BUILD/check (test output, logs, the two Wine prefixes).
set -uo pipefail
# Nothing of the caller's Qt settings reaches the programs, on either side.
unset "${!QT_@}" "${!WINEQT_@}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/env.sh"
source "$REPO_ROOT/scripts/check-waits.sh"
build="$(realpath "${1:-build-windows}")"
linux="$(realpath "${2:-build}")"
dist="$(realpath "${3:-dist}")"
work="$build/check"
rm -rf "$work"
mkdir -p "$work"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
linux_cli="$linux/src/cli/ddsgen-cli"
linux_window="$linux/src/shell/ddsgen"

passed=0 failed=0
started=$(now) lap=$(now)
# pass NAME [TIME], fail NAME [DETAIL [TIME]]
pass() { echo "PASS  $1 [${2:-$(seconds_since "$lap")}]"; passed=$((passed + 1)); lap=$(now); }
fail() { echo "FAIL  $1${2:+ ($2)} [${3:-$(seconds_since "$lap")}]"; failed=$((failed + 1)); lap=$(now); }
# ended_as STATUS SECONDS: how a program run under `timeout SECONDS` ended.
ended_as() { if [ "$1" -eq 124 ]; then echo "still running after $2 s: stopped"; else echo "status $1"; fi; }
check() { local name=$1; shift; if "$@"; then pass "$name"; else fail "$name" "see $work"; fi; }

# --- Wine and a display --------------------------------------------------------------------
# No debugger on a crash: the program ends, and its test line says so.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" LANG=C.UTF-8 LC_ALL=C.UTF-8
# Wine gives a Windows program none of this environment's QT_* variables (a Linux Qt's settings must
# not reach it); WINEQT_X reaches it as QT_X. The programs run as they would on Windows: the
# installed window on the windows platform with its default font engine, the test programs on the
# offscreen platform their main chooses.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
wait_for 120 "Xvfb's display number" test -s "$work/display" || exit 1
export DISPLAY=":$(cat "$work/display")"
prefixes=()
cleanup() {
  for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null; done
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

# new_prefix DIR: a fresh Wine prefix, kept running until the end of the checks.
new_prefix() {
  export WINEPREFIX=$1
  prefixes+=("$1")
  wineboot -i >"$work/wineboot-$(basename "$1").log" 2>&1
  # Xvfb runs no window manager. A window Wine hands to one waits 2 s at every hide for a withdrawal
  # that never comes; unmanaged, Wine places and hides its windows itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$work/wineboot-$(basename "$1").log" 2>&1
  wineserver -w
}
winpath() { winepath -w "$1" 2>/dev/null; }

# --- Every test program ------------------------------------------------------------------------
new_prefix "$work/prefix-tests"
dll_dirs=("$QT_PREFIX/bin" "$HIDAPI_PREFIX/bin")
for dll in "${MINGW_RUNTIME_DLLS[@]}"; do dll_dirs+=("$(dirname "$dll")"); done
WINEPATH=$(for d in "${dll_dirs[@]}"; do winpath "$d"; done | paste -sd';')
export WINEPATH
# On Windows the offscreen platform reads no system font, only the folder QT_QPA_FONTDIR names: the
# Liberation faces, those the Linux tests draw with in place of Arial. (Qt finds its plugins below
# the cache's prefix, beside the Qt6Core.dll it loads.)
WINEQT_QPA_FONTDIR=$(winpath /usr/share/fonts/truetype/liberation2)
export WINEQT_QPA_FONTDIR
mapfile -t tests < <(find "$build/tests" -name 'test_*.exe' | sort)
# All at once, each with its own time limit (WINDOWS_TEST_SECONDS, 1200 by default).
test_seconds=${WINDOWS_TEST_SECONDS:-1200}
running=()
for program in "${tests[@]}"; do
  name=$(basename "$program" .exe)
  (cd "$(dirname "$program")" && begun=$(now) && timeout "$test_seconds" wine "$program" >"$work/$name.txt" 2>&1
    echo $? >"$work/$name.status"
    seconds_since "$begun" >"$work/$name.time") &
  running+=($!)
done
wait "${running[@]}"
for program in "${tests[@]}"; do
  name=$(basename "$program" .exe)
  out="$work/$name.txt"
  sed -i 's/\r$//' "$out" # Windows line ends
  status=$(cat "$work/$name.status")
  summary=$(grep -E '^\[  PASSED  \]' "$out" | tail -1 | sed 's/\[  PASSED  \] //; s/\.$//')
  skipped=$(grep -E '^\[  SKIPPED \] [A-Za-z]' "$out" | sed 's/ (.*//' | sort -u | wc -l)
  took=$(cat "$work/$name.time")
  if [ $status -eq 0 ] && grep -q '^\[  PASSED  \]' "$out"; then
    pass "$name under Wine: $summary, $skipped skipped" "$took"
  else
    fail "$name under Wine" "$(ended_as "$status" "$test_seconds"), $(grep -E '^\[  FAILED  \] [A-Za-z]' "$out" | sed 's/ (.*//' | sort -u | wc -l) failed; $out" "$took"
  fi
done
grep -hE '^\[  SKIPPED \] [A-Za-z]' "$work"/test_*.txt | sed 's/ (.*//' | sort -u >"$work/skipped.txt"
# The window's tests once more on the windows platform, with native windows as the desktop makes
# them: the device-change broadcast, the secondary windows' owner (GetWindow GW_OWNER), drawing.
shell_on_windows() {
  local out="$work/test_shell-windows.txt"
  (cd "$build/tests/shell" && WINEQT_QPA_PLATFORM=windows timeout "$test_seconds" wine test_shell.exe >"$out" 2>&1) &&
    grep -q '^\[  PASSED  \]' "$out" && [ "$(grep -c '^\[       OK \] PlugNotices\.' "$out")" -eq 2 ] &&
    grep -q '^\[       OK \] OwnedWindows\.' "$out"
}
check "test_shell on the windows platform: plug notices (WM_DEVICECHANGE), owned secondary windows (GW_OWNER)" \
  shell_on_windows
# The fuzz targets' seed corpora, replayed as plain tests, and the include-rule checker over this tree.
fuzz_programs=("$build"/tests/fuzz/fuzz_*.exe)
fuzz_replays() {
  local program name
  [ -e "${fuzz_programs[0]}" ] || return 1
  for program in "${fuzz_programs[@]}"; do
    name=$(basename "$program" .exe)
    (cd "$(dirname "$program")" && timeout 300 wine "$program" "$(winpath "$REPO_ROOT/tests/fuzz/corpus/$name")") \
      >>"$work/fuzz-replays.txt" 2>&1 || return 1
  done
}
check "fuzz seed corpora replayed under Wine: ${#fuzz_programs[@]} targets" fuzz_replays
include_rules() {
  (cd "$build/tests/includes" &&
    timeout 300 wine check_includes.exe "$(winpath "$REPO_ROOT")" "$(winpath "$QT_PREFIX/include")") >"$work/include-rules.txt" 2>&1
}
check "include rules (check_includes.exe) under Wine, over this tree" include_rules
unset WINEPATH WINEQT_QPA_FONTDIR

# --- The installer, into a fresh prefix ----------------------------------------------------------
new_prefix "$work/prefix-install"
installer="$dist/ddsgen-$version-setup.exe"
wine "$installer" /S >"$work/install.log" 2>&1
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/ddsgen"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ddsgen"
installed_ok() {
  [ -x "$installed/ddsgen.exe" ] && [ -x "$installed/ddsgen-cli.exe" ] && [ -e "$installed/uninstall.exe" ] &&
    [ -e "$installed/platforms/qwindows.dll" ] && [ -e "$installed/generateur_fonctions/utlisation_soft.htm" ] &&
    [ -e "$menu/ddsgen.lnk" ]
}
check "silent install (/S) into a fresh prefix: programs, Qt plugins, user guide, Start-menu entry, uninstaller" installed_ok
cli=("wine" "$installed/ddsgen-cli.exe")

# --- The installed window, clicked for real ----------------------------------------------------
source "$REPO_ROOT/scripts/window-clicks.sh"
# drive_window LOG COMMAND...: starts the window with the virtual generator and a report log, clicks
# the transfer button once the start-up picture is gone, then quit; true when it ended by itself.
# A wait that gives up says so on standard error.
drive_window() {
  local log=$1; shift
  "$@" >"$log.out" 2>&1 &
  local program=$!
  window=""
  if ! { wait_for "$window_wait" "the main window ($(basename "$log"))" main_window_up && wait_until_unlocked; } >&2; then
    kill $program
    return 1
  fi
  window_offsets "$window"
  click_transfer "$window" "$log" >"$log.clicks" || { cat "$log.clicks" >&2; kill $program; return 1; }
  click_quit "$window" $program >&2 || { kill $program; return 1; }
  wait $program
}
main_window_up() { window=$(xdotool search --onlyvisible --name 'USB - DDS|DDS – ' 2>/dev/null | head -n 1) && [ -n "$window" ]; }
# window_offsets WINDOW: where the client area starts inside the X window. Without a window
# manager Wine draws the frame itself: equal borders left, right and below, the caption on top.
window_offsets() {
  local width height
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  width=$WIDTH height=$HEIGHT
  CLIENT_X=$(( (width - client_width) / 2 ))
  CLIENT_Y=$(( height - client_height - CLIENT_X ))
  export CLIENT_X CLIENT_Y
}
client_width=$(sed -n 's/.*kClientWidth = \([0-9]*\).*/\1/p' "$REPO_ROOT/src/widgets/main_window_layout.h")
client_height=$(sed -n 's/.*kClientHeight = \([0-9]*\).*/\1/p' "$REPO_ROOT/src/widgets/main_window_layout.h")

windows_log="$work/window-windows.log"
linux_log="$work/window-linux.log"
drive_window "$windows_log" wine "$installed/ddsgen.exe" --virtual-generator --report-log "$(winpath "$windows_log")"
windows_window=$?
CLIENT_X=0 CLIENT_Y=0
drive_window "$linux_log" env QT_QPA_PLATFORM=xcb "$linux_window" --virtual-generator --report-log "$linux_log"
closing=$(tail -n 1 "$windows_log" 2>/dev/null | cut -c1-4)
if [ $windows_window -eq 0 ] && [ "$closing" = 0002 ] && [ "$(grep -c '^0004' "$windows_log")" -gt 0 ] &&
  cmp -s "$windows_log" "$linux_log"; then
  pass "installed ddsgen.exe --virtual-generator: transfer and quit clicked, $(wc -l <"$windows_log") reports as on Linux, ending with the closing command"
else
  fail "installed ddsgen.exe --virtual-generator: transfer and quit clicked" \
    "ended: $windows_window, last report $closing, $(wc -l <"$windows_log" 2>/dev/null) reports against $(wc -l <"$linux_log") on Linux"
fi

# --- ddsgen-cli against the Linux build --------------------------------------------------------
# run_batch NAME: runs the Windows lines of $work/NAME.bat in one cmd and the Linux lines of
# $work/NAME.sh in bash, both writing below $work/NAME-windows and $work/NAME-linux.
run_batch() {
  local name=$1
  mkdir -p "$work/$name-windows" "$work/$name-linux"
  (cd "$work/$name-windows" && wine cmd /c "$(winpath "$work/$name.bat")" >/dev/null 2>"$work/$name-windows.err")
  (cd "$work/$name-linux" && bash "$work/$name.sh" 2>"$work/$name-linux.err")
}
# add_run NAME OUTPUT ARGS...: one ddsgen-cli run on both systems, its standard output to OUTPUT.
windows_cli=$(winpath "$installed/ddsgen-cli.exe")
add_run() {
  local name=$1 output=$2; shift 2
  [ -e "$work/$name.bat" ] || printf '@echo off\r\n' >"$work/$name.bat"
  local line
  line=$(printf '"%s" %s > "%s"' "$windows_cli" "$*" "$output")
  # Wine's cmd now and then fails to start a program under load (errorlevel 9009, "not
  # recognized"): that line alone runs again. A program's own status (0-4) or a crash is kept.
  printf '%s\r\nif errorlevel 9009 %s\r\n' "$line" "$line" >>"$work/$name.bat"
  printf '"%s" %s > "%s"\n' "$linux_cli" "$*" "$output" >>"$work/$name.sh"
}
same_outputs() {
  local name=$1 count
  count=$(find "$work/$name-linux" -type f | wc -l)
  [ "$count" -gt 0 ] && diff -r "$work/$name-windows" "$work/$name-linux" >"$work/$name.diff"
}

for range in 1 2 3 4 5 6 7; do
  for position in $(seq 0 90); do add_run frequency all.txt frequency --range $range --position $position; done
done
sed -i 's/ > "all.txt"/ >> "all.txt"/' "$work/frequency.bat" "$work/frequency.sh"
run_batch frequency
check "ddsgen-cli frequency: all 637 settings byte-identical to Linux ($(wc -l <"$work/frequency-linux/all.txt") lines)" \
  same_outputs frequency

synth_runs=0
for kind in $(seq 1 12); do
  for options in "" "--amplitude 0" "--amplitude 37 --shape 1" "--amplitude 100 --shape 99 --vertical -256" \
    "--shape 23 --vertical 256 --coefficient 1" "--amplitude 63 --shape 77 --vertical -17 --coefficient 40"; do
    [ "$kind" -eq 12 ] && options="$options --seed $((kind * 7919 + ${#options}))"
    add_run synth "kind$kind-$synth_runs.xls" synth --kind $kind $options
    synth_runs=$((synth_runs + 1))
  done
done
add_run synth seed-zero.xls synth --kind 12 --seed 0
add_run synth seed-max.xls synth --kind 12 --seed 4294967295 --amplitude 81
run_batch synth
check "ddsgen-cli synth: every kind, $((synth_runs + 2)) option sets, tables byte-identical to Linux" same_outputs synth

transfers=("--range 1 --position 0 --kind 1" "--range 3 --position 45 --kind 3 --offset 17"
  "--range 5 --position 90 --kind 6 --shape 20" "--range 7 --position 0 --kind 9 --coefficient 4"
  "--range 4 --position 61 --kind 11" "--range 6 --position 13 --kind 2 --shape 5 --offset 200"
  "--range 2 --position 88 --kind 10 --vertical 200" "--range 5 --position 7 --kind 8 --amplitude 40")
# Each transfer in its own process, all at once.
mkdir -p "$work/transfer-windows" "$work/transfer-linux"
running=()
i=0
for settings in "${transfers[@]}"; do
  # shellcheck disable=SC2086
  (cd "$work/transfer-windows" && timeout "${WINDOWS_TEST_SECONDS:-600}" wine "$installed/ddsgen-cli.exe" transfer \
    --virtual $settings --report-log "log$i.txt" >"out$i.txt" 2>>"$work/transfer-windows.err") &
  running+=($!)
  # shellcheck disable=SC2086
  (cd "$work/transfer-linux" && "$linux_cli" transfer --virtual $settings --report-log "log$i.txt" >"out$i.txt")
  i=$((i + 1))
done
wait "${running[@]}"
# The summary line tells how long the transfer took: that figure is the one difference allowed.
sed -i -E 's/, [0-9]+ ms,/, (time) ms,/' "$work"/transfer-{windows,linux}/out*.txt
check "ddsgen-cli transfer --virtual --report-log: ${#transfers[@]} settings, logs byte-identical to Linux, output but for the time taken" \
  same_outputs transfer

# --- A waveform in a folder named with non-ASCII letters -----------------------------------------
unicode="$work/unicode/Hélène Документы"
mkdir -p "$unicode"
unicode_round_trip() {
  wine "$installed/ddsgen-cli.exe" synth --kind 6 --shape 30 --out "$(winpath "$unicode")\\onde été.xls" &&
    [ -s "$unicode/onde été.xls" ] &&
    "$linux_cli" synth --kind 6 --shape 30 --out "$work/unicode/expected.xls" &&
    cmp -s "$unicode/onde été.xls" "$work/unicode/expected.xls" &&
    timeout "${WINDOWS_TEST_SECONDS:-600}" wine "$installed/ddsgen-cli.exe" transfer --virtual --range 5 --position 30 --file "$(winpath "$unicode")\\onde été.xls" \
      --report-log "$(winpath "$unicode")\\journal.txt" >"$work/unicode/windows.out" &&
    "$linux_cli" transfer --virtual --range 5 --position 30 --file "$work/unicode/expected.xls" \
      --report-log "$work/unicode/linux-journal.txt" >"$work/unicode/linux.out" &&
    cmp -s "$unicode/journal.txt" "$work/unicode/linux-journal.txt"
}
check "waveform saved into and loaded back from \"Hélène Документы\" by ddsgen-cli.exe" unicode_round_trip

# --- Uninstalling ----------------------------------------------------------------------------------
uninstalled() {
  wine "$installed/uninstall.exe" /S >/dev/null 2>&1
  wineserver -w
  wait_for 120 "the uninstaller to remove ddsgen.exe" test ! -e "$installed/ddsgen.exe" &&
    [ ! -e "$menu/ddsgen.lnk" ]
}
check "silent uninstall removes the programs and the Start-menu entry" uninstalled

if [ -s "$work/skipped.txt" ]; then
  echo "Skipped under Wine:"
  sed 's/^/  /' "$work/skipped.txt"
fi
echo "$passed passed, $failed failed, in $(seconds_since "$started") (load average at the end: $(cut -d' ' -f1-3 /proc/loadavg))"
[ "$failed" -eq 0 ]
