#!/bin/bash
# The first process of the check-real-backend.sh virtual machine: the installed program and
# ddsgen-cli against a generator on the kernel's HID bus (ddsgen-uhid-generator), through the
# system backend (hidapi on hidraw, the report descriptor from sysfs, udev plug notices).
# Prints one "VM-CHECK PASS|FAIL name" line a check, then powers the machine off.
export PATH=/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
source /usr/local/bin/window-clicks.sh
mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm && mount -t devpts devpts /dev/pts
mount -t tmpfs tmp /tmp
mount -t tmpfs run /run
exec >/dev/ttyS0 2>&1

check() {
    local name=$1
    shift
    if "$@"; then echo "VM-CHECK PASS $name"; else echo "VM-CHECK FAIL $name"; fi
}
model_is() { grep -qx "$2 $3" "$1"; }
hidraw_count() { ls /dev/hidraw* 2>/dev/null | wc -l; }
wait_for() { # wait_for SECONDS COMMAND...: until the command succeeds
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do [ $SECONDS -ge $deadline ] && return 1; sleep 0.1; done
}
generator_plugged() { [ "$(hidraw_count)" -ge 1 ]; }
generator_unplugged() { [ "$(hidraw_count)" -eq 0 ]; }

modprobe uhid
check uhid-is-there test -c /dev/uhid
/lib/systemd/systemd-udevd --daemon
udevadm trigger && udevadm settle

echo "== ddsgen-cli through hidraw"
ddsgen-uhid-generator --model /tmp/cli-model >/tmp/generator.out 2>&1 &
generator=$!
check generator-appears wait_for 60 generator_plugged
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
kill -TERM $generator && wait $generator
cat /tmp/cli-model
check generator-got-the-range model_is /tmp/cli-model range 3
check generator-got-every-sample model_is /tmp/cli-model samples_received 640
check generator-saw-the-transfer-closed model_is /tmp/cli-model transfers_closed 1
check generator-disappears wait_for 60 generator_unplugged

echo "== the window: plugged after start-up, transfer, unplugged"
Xvfb :1 -screen 0 1280x1024x24 >/tmp/xvfb.log 2>&1 &
export DISPLAY=:1
wait_for 60 xdpyinfo >/dev/null 2>&1
cd /root
ddsgen --report-log /tmp/window.log >/tmp/window.out 2>&1 &
program=$!
window=$(xdotool search --sync --onlyvisible --pid $program | head -n 1)
sleep 3 # the start-up picture keeps the controls locked for two seconds
ddsgen-uhid-generator --model /tmp/window-model >/tmp/generator2.out 2>&1 &
generator=$!
check window-sees-the-plugged-generator wait_for 60 test -s /tmp/window.log
sleep 0.5
click_transfer "$window" /tmp/window.log
kill -TERM $generator && wait $generator
cat /tmp/window-model
check window-transfer-closed model_is /tmp/window-model transfers_closed 1
sample_count=$(sed -n 's/^sample_count //p' /tmp/window-model)
check window-sent-every-sample model_is /tmp/window-model samples_received "$sample_count"
check window-ends-when-the-generator-is-unplugged wait_for 60 sh -c "! kill -0 $program 2>/dev/null"
wait $program
ended=$?
cat /tmp/window.out
check window-ended-cleanly test $ended -eq 0

echo "VM-CHECK DONE"
sync
poweroff -f
