#!/usr/bin/env bash
# The system backend end to end, without the hardware: a minimal Debian 12 with its own kernel in
# a virtual machine (qemu), the package installed there with apt, and a
# generator created on the kernel's HID bus through uhid. Inside, scripts/vm-checks.sh drives
# ddsgen-cli and the window through hidraw and udev and prints a line per check.
#   scripts/check-real-backend.sh PACKAGE.deb UHID_GENERATOR [WORK_DIR]
set -euo pipefail
package=$(realpath "${1:?usage: check-real-backend.sh PACKAGE.deb UHID_GENERATOR [WORK_DIR]}")
generator=$(realpath "${2:?usage: check-real-backend.sh PACKAGE.deb UHID_GENERATOR [WORK_DIR]}")
work=$(realpath -m "${3:-build-vm}")
root=$work/rootfs
image=$work/rootfs.ext4
here=$(dirname "$(realpath "$0")")
source "$here/debian-root.sh"
source "$here/check-waits.sh"
# The machine powers itself off after its checks, each bounded by minutes; this only stops a
# machine that hangs.
vm_seconds=${VM_SECONDS:-3600}

[ "$(id -u)" -eq 0 ] || { echo "check-real-backend.sh needs root (debootstrap, chroot)"; exit 2; }
for tool in qemu-system-x86_64 mkfs.ext4; do
    command -v $tool >/dev/null || apt-get install -y -q --no-install-recommends qemu-system-x86 e2fsprogs >/dev/null
done
trap 'unmount_system "$root"' EXIT
started=$(now)

step "bootstrapping a minimal Debian 12 with a kernel in $root"
unmount_system "$root"
bootstrap_root "$root" "$work/cache" "$work/debootstrap.log"
mount_system "$root"
cp "$package" "$root/tmp/ddsgen.deb"
apt_install "$root" "$work/install.log" linux-image-amd64 kmod /tmp/ddsgen.deb
apt_install "$root" "$work/xtools.log" --no-install-recommends xvfb xdotool x11-utils
install -m 755 "$generator" "$root/usr/local/bin/ddsgen-uhid-generator"
install -m 755 "$here/vm-checks.sh" "$root/usr/local/bin/vm-checks.sh"
install -m 644 "$here/window-clicks.sh" "$here/check-waits.sh" "$root/usr/local/bin/"
unmount_system "$root"

step "making the disk image"
rm -f "$image"
truncate -s 4G "$image"
mkfs.ext4 -q -F -d "$root" "$image"

step "booting the virtual machine"
# Software emulation by default: it boots in about 20 s, where KVM inside this workplace's own
# virtual machines stalls in the firmware. QEMU_ACCEL=kvm where KVM works.
accel=${QEMU_ACCEL:-tcg}
kernel=$(ls "$root"/boot/vmlinuz-* | head -n 1)
initrd=$(ls "$root"/boot/initrd.img-* | head -n 1)
booted=$(now)
status=0
timeout "$vm_seconds" qemu-system-x86_64 -accel "$accel" -m 2048 -smp 2 -nographic -no-reboot \
    -kernel "$kernel" -initrd "$initrd" \
    -drive file="$image",format=raw,if=virtio \
    -append "root=/dev/vda rw console=ttyS0 panic=-1 quiet init=/usr/local/bin/vm-checks.sh" \
    >"$work/vm.log" 2>&1 || status=$?
ran=$(seconds_since "$booted")
# Without the carriage returns and the firmware's terminal escapes, each check line starts a line.
tr -d '\r' <"$work/vm.log" | sed -e 's/\x1bc//g' -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' >"$work/vm-console.log"
grep -E '^(VM-CHECK|==|gave up)' "$work/vm-console.log" || true
echo "== the virtual machine ran $ran (load average at its end: $(cut -d' ' -f1-3 /proc/loadavg))"
[ "$status" -ne 124 ] || fail "the virtual machine was still running after $vm_seconds s: stopped (see $work/vm-console.log)"
grep -q '^VM-CHECK DONE' "$work/vm-console.log" || fail "the checks did not run to the end (see $work/vm-console.log)"
passed=$(grep -c '^VM-CHECK PASS' "$work/vm-console.log" || true)
failed=$(grep -c '^VM-CHECK FAIL' "$work/vm-console.log" || true)
echo "real backend checked in a virtual machine: $passed passed, $failed failed, in $(seconds_since "$started") in all"
[ "$failed" -eq 0 ]
