# shellcheck shell=bash
# Waiting and timing for the long checks (sourced; bash). A check waits for the event it is about,
# never for a pause of a guessed length, so a slow machine makes it slower, not failed. Every wait
# has a generous bound; giving up prints one line that names what it waited for and for how long.

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it succeeds. After
# SECONDS, prints "gave up after SECONDS s waiting for WHAT" and fails.
wait_for() {
    local limit=$1 what=$2 started
    started=$(now)
    shift 2
    until "$@"; do
        if [ $(($(now) - started)) -ge $((limit * 10)) ]; then
            echo "gave up after $limit s waiting for $what"
            return 1
        fi
        sleep 0.1
    done
}

# now: the clock in tenths of a second, for seconds_since.
now() {
    local microseconds=${EPOCHREALTIME//[.,]/}
    echo $((microseconds / 100000))
}

# seconds_since START: the time since START (a value of now), as "12.3 s".
seconds_since() {
    local tenths=$(($(now) - $1))
    echo "$((tenths / 10)).$((tenths % 10)) s"
}

# process_ended PID: true once the process has ended.
process_ended() { ! kill -0 "$1" 2>/dev/null; }
