# Clicks on the main window for the install checks, in client coordinates from its layout. Sourced
# by drive-window.sh and vm-checks.sh inside the systems they check; needs xdotool. CLIENT_X and
# CLIENT_Y, when set, are where the client area starts inside the window (a frame drawn by the
# program itself, as Wine does without a window manager).

# click_transfer WINDOW REPORT_LOG: the transfer button, then waits until the report log has
# stopped growing (the transfer has ended) and prints how many reports it holds.
click_transfer() {
    local window=$1 log=$2 previous=-1 now
    xdotool mousemove --window "$window" $((188 + ${CLIENT_X:-0})) $((428 + ${CLIENT_Y:-0})) click 1
    for _ in $(seq 100); do
        sleep 0.2
        now=$(wc -l <"$log")
        [ "$now" -eq "$previous" ] && [ "$now" -gt 2 ] && break
        previous=$now
    done
    echo "reports written: $(wc -l <"$log")"
}

# click_quit WINDOW: the toolbar's first button.
click_quit() { xdotool mousemove --window "$1" $((36 + ${CLIENT_X:-0})) $((14 + ${CLIENT_Y:-0})) click 1; }
