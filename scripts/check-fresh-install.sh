#!/usr/bin/env bash
# Installs the Debian package on a freshly bootstrapped, minimal Debian 12 (a chroot made with
# debootstrap from Debian's mirror), then uses it there as an ordinary user: the command-line
# tool's transfer to the virtual generator, and the window under Xvfb, where the transfer button
# and the quit button are clicked for real. apt must find every dependency on its own, so a
# package that only works on a developer's machine fails here. Needs root and Debian's mirror.
#   scripts/check-fresh-install.sh PACKAGE.deb [WORK_DIR]
set -euo pipefail
package=$(realpath "${1:?usage: check-fresh-install.sh PACKAGE.deb [WORK_DIR]}")
work=$(realpath -m "${2:-build-fresh}")
root=$work/bookworm
source "$(dirname "$0")/debian-root.sh"

[ "$(id -u)" -eq 0 ] || { echo "check-fresh-install.sh needs root (debootstrap, chroot)"; exit 2; }
source "$(dirname "$0")/check-waits.sh"
in_root() { chroot "$root" "$@"; }
as_owner() { chroot "$root" su owner -c "$1"; }
trap 'unmount_system "$root"' EXIT
started=$(now)

step "bootstrapping a minimal Debian 12 in $root"
unmount_system "$root"
bootstrap_root "$root" "$work/cache" "$work/debootstrap.log"
mount_system "$root"

step "installing $(basename "$package") with apt"
cp "$package" "$root/tmp/ddsgen.deb"
apt_install "$root" "$work/install.log" /tmp/ddsgen.deb
in_root dpkg-query -W -f='${Status}\n' ddsgen | grep -qx 'install ok installed' || fail "package not installed"
for file in /usr/bin/ddsgen /usr/bin/ddsgen-cli /usr/share/ddsgen/generateur_fonctions/utlisation_soft.htm \
    /usr/lib/udev/rules.d/70-ddsgen.rules /usr/share/applications/ddsgen.desktop; do
    [ -e "$root$file" ] || fail "$file not installed"
done
in_root sh -c 'ldd /usr/bin/ddsgen /usr/bin/ddsgen-cli' | grep 'not found' && fail "unresolved libraries"
in_root fc-list : family | grep -q 'Liberation Sans' || fail "the recommended Arial-metric fonts came not with it"
in_root useradd -m owner

step "ddsgen-cli transfer to the virtual generator, as user owner"
as_owner 'cd && ddsgen-cli transfer --range 3 --position 40 --kind 1 --virtual --report-log /tmp/cli.log' \
    >"$work/cli.log" 2>&1 || { cat "$work/cli.log"; fail "ddsgen-cli transfer"; }
blocks=$(grep -c '^0004' "$root/tmp/cli.log")
[ "$blocks" -eq 10 ] || fail "ddsgen-cli wrote $blocks sample blocks, the range-3 sine takes 10"

step "the window under Xvfb, as user owner"
apt_install "$root" "$work/xtools.log" --no-install-recommends xvfb xdotool x11-apps x11-utils
cp "$(dirname "$0")/drive-window.sh" "$root/tmp/drive-window.sh"
cp "$(dirname "$0")/window-clicks.sh" "$(dirname "$0")/check-waits.sh" "$root/tmp/"
as_owner 'bash /tmp/drive-window.sh' | tee "$work/window.log"
grep -qx 'ddsgen ended with 0' "$work/window.log" || fail "the window did not end cleanly through its quit button"
gui_blocks=$(grep -c '^0004' "$root/tmp/gui.log" || true)
[ "$gui_blocks" -ge 10 ] || fail "the transfer button wrote $gui_blocks sample blocks"
[ -s "$root/home/owner/.config/ddsgen/parametres.inf" ] || fail "no settings in ~/.config/ddsgen"
[ -s "$root/home/owner/.config/ddsgen/Sample.bmp" ] || fail "no work picture in ~/.config/ddsgen"
for shot in start after; do
    if command -v xwdtopnm >/dev/null && command -v pnmtopng >/dev/null; then
        xwdtopnm "$root/tmp/$shot.xwd" 2>/dev/null | pnmtopng >"$work/$shot.png"
    else
        cp "$root/tmp/$shot.xwd" "$work/$shot.xwd"
    fi
done
echo "fresh install checked: $blocks + $gui_blocks sample blocks, screenshots in $work, in $(seconds_since "$started")"
