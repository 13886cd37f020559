# Clicks on the main window for the install checks, in client coordinates from its layout, and the
# waits for what they start to end. Sourced by drive-window.sh, vm-checks.sh and windows/check.sh
# inside the systems they check; needs xdotool, and check-waits.sh beside this file. CLIENT_X and
# CLIENT_Y, when set, are where the client area starts inside the window (a frame drawn by the
# program itself, as Wine does without a window manager). WINDOW_WAIT_SECONDS bounds each wait
# (600 by default: minutes, for a window in an emulated machine).
source "$(dirname "${BASH_SOURCE[0]}")/check-waits.sh"
window_wait=${WINDOW_WAIT_SECONDS:-600}

window_size() { xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/^ *Geometry: //p'; }

# window_shown WIDTH HEIGHT: true while a window of that size is mapped. The secondary windows
# have neither title nor frame: their sizes tell them apart.
window_shown() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        [ "$(window_size "$id")" = "$1x$2" ] && return 0
    done
    return 1
}
window_hidden() { ! window_shown "$@"; }

# main_window_shown PID: true once the main window of the program PID is mapped, then in `window`.
# The start-up picture, mapped just after it, is a window of the same program.
main_window_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        [ "$(window_size "$id")" != 562x417 ] && window=$id && return 0
    done
    return 1
}

# wait_until_unlocked: the start-up picture (562 x 417) locks the controls while it shows, for two
# seconds from a tenth of a second after the main window came up; waits for it to come and go.
wait_until_unlocked() {
    wait_for "$window_wait" "the start-up picture (562 x 417) to show" window_shown 562 417 &&
        wait_for "$window_wait" "the start-up picture (562 x 417) to hide" window_hidden 562 417
}

# click_transfer WINDOW REPORT_LOG: the transfer button, then waits for the transfer's header
# (code 3) and closing report (code 6) in the report log and for the transfer window (472 x 185)
# to hide, when the controls are back; prints how many reports the log holds.
click_transfer() {
    local window=$1 log=$2
    xdotool mousemove --window "$window" $((188 + ${CLIENT_X:-0})) $((428 + ${CLIENT_Y:-0})) click 1 ||
        { echo "could not click the transfer button of window \"$window\""; return 1; }
    wait_for "$window_wait" "the transfer's header (code 3) in $log" grep -q '^0003' "$log" &&
        wait_for "$window_wait" "the transfer's closing report (code 6) in $log" grep -q '^0006' "$log" &&
        wait_for "$window_wait" "the transfer window (472 x 185) to hide" window_hidden 472 185 || return 1
    echo "reports written: $(wc -l <"$log")"
}

# click_quit WINDOW PROGRAM: the toolbar's first button, then waits for the program (a process id)
# to end.
click_quit() {
    xdotool mousemove --window "$1" $((36 + ${CLIENT_X:-0})) $((14 + ${CLIENT_Y:-0})) click 1 ||
        { echo "could not click the quit button of window \"$1\""; return 1; }
    wait_for "$window_wait" "the program to end after its quit button" process_ended "$2"
}
