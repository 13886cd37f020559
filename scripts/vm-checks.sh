#!/bin/bash
# The first process of the check-real-backend.sh virtual machine: the installed program and
# ddsgen-cli against a generator on the kernel's HID bus (ddsgen-uhid-generator), through the
# system backend (hidapi on hidraw, the report descriptor from sysfs, udev plug notices).
# Prints one "VM-CHECK PASS|FAIL name [time]" line a check, the time since the line before, then
# powers the machine off. Each wait is for its event, bounded by minutes: the machine may be
# emulated on a busy host.
export PATH=/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
limit=300
export WINDOW_WAIT_SECONDS=$limit
source /usr/local/bin/window-clicks.sh
mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm && mount -t devpts devpts /dev/pts
mount -t tmpfs tmp /tmp
mount -t tmpfs run /run
exec >/dev/ttyS0 2>&1

lap=$(now)
check() {
    local name=$1 outcome=FAIL
    shift
    "$@" && outcome=PASS
    echo "VM-CHECK $outcome $name [$(seconds_since "$lap")]"
    lap=$(now)
}
model_is() { grep -qx "$2 $3" "$1"; }
hidraw_count() { ls /dev/hidraw* 2>/dev/null | wc -l; }
generator_plugged() { [ "$(hidraw_count)" -ge 1 ]; }
generator_unplugged() { [ "$(hidraw_count)" -eq 0 ]; }
# The generator rewrites its model file after every report it is sent.
wait_for_model() { wait_for $limit "the generator's model to say $2 $3" model_is "$1" "$2" "$3"; }

modprobe uhid
check uhid-is-there test -c /dev/uhid
/lib/systemd/systemd-udevd --daemon
udevadm trigger && udevadm settle

echo "== ddsgen-cli through hidraw"
ddsgen-uhid-generator --model /tmp/cli-model >/tmp/generator.out 2>&1 &
generator=$!
check generator-appears wait_for $limit "a hidraw node for the generator" generator_plugged
cat /tmp/generator.out
udevadm settle
check udev-rule-tags-the-generator sh -c 'udevadm info -q property /dev/hidraw0 | grep -q "^TAGS=.*:uaccess:"'
ddsgen-cli list >/tmp/list.out 2>&1
cat /tmp/list.out
check list-finds-the-generator-with-its-lengths \
    grep -qP '^/dev/hidraw\d+\t04d8:0009\tread-write\tin 65 out 65\tgenerator 1$' /tmp/list.out
useradd -m owner
su owner -c 'ddsgen-cli transfer --range 3 --position 40 --kind 1' >/tmp/denied.out 2>&1
denied=$?
cat /tmp/denied.out
check user-without-access-is-refused-with-the-path test $denied -eq 1 -a -n "$(grep /dev/hidraw /tmp/denied.out)"
ddsgen-cli transfer --range 3 --position 40 --kind 1 --report-log /tmp/cli.log >/tmp/cli.out 2>&1
sent=$?
tail -1 /tmp/cli.out
check cli-transfer-succeeds test $sent -eq 0
check cli-every-block-acknowledged grep -q '11 acknowledged, 0 timed out' /tmp/cli.out
check generator-saw-the-transfer-closed wait_for_model /tmp/cli-model transfers_closed 1
kill -TERM $generator && wait $generator
cat /tmp/cli-model
check generator-got-the-range model_is /tmp/cli-model range 3
check generator-got-every-sample model_is /tmp/cli-model samples_received 640
check generator-disappears wait_for $limit "the generator's hidraw node to go" generator_unplugged

echo "== the window: plugged after start-up, transfer, unplugged"
Xvfb :1 -screen 0 1280x1024x24 >/tmp/xvfb.log 2>&1 &
export DISPLAY=:1
display_answers() { xdpyinfo >/dev/null 2>&1; }
wait_for $limit "Xvfb to answer" display_answers
cd /root
ddsgen --report-log /tmp/window.log >/tmp/window.out 2>&1 &
program=$!
window_unlocked() { wait_for $limit "the main window to show" main_window_shown $program && wait_until_unlocked; }
check window-comes-up-unlocked window_unlocked
ddsgen-uhid-generator --model /tmp/window-model >/tmp/generator2.out 2>&1 &
generator=$!
# Connecting ends with the offset report (code 10), sent after the host-connected one.
check window-sees-the-plugged-generator wait_for $limit "the offset report (code 10) in the window's log" \
    grep -q '^000a' /tmp/window.log
check window-transfer-ends click_transfer "$window" /tmp/window.log
check window-transfer-closed wait_for_model /tmp/window-model transfers_closed 1
kill -TERM $generator && wait $generator
cat /tmp/window-model
sample_count=$(sed -n 's/^sample_count //p' /tmp/window-model)
check window-sent-every-sample model_is /tmp/window-model samples_received "$sample_count"
check window-ends-when-the-generator-is-unplugged wait_for $limit "the window to end" process_ended $program
wait $program
ended=$?
cat /tmp/window.out
check window-ended-cleanly test $ended -eq 0

echo "VM-CHECK DONE"
sync
poweroff -f
