# Shared by the checks that need a fresh Debian 12 of their own: bootstraps a minimal one into a
# folder from Debian's mirror and installs packages into it. Source it; needs root.
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

step() { echo "== $*"; }
fail() { echo "FAIL: $*"; exit 1; }

# bootstrap_root ROOT CACHE_DIR LOG: a new minimal bookworm in ROOT with the usual apt sources.
bootstrap_root() {
    local root=$1 cache=$2 log=$3
    command -v debootstrap >/dev/null || apt-get install -y -q debootstrap >/dev/null
    rm -rf "$root"
    mkdir -p "$cache"
    debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" "$mirror" >"$log" 2>&1 ||
        { tail -20 "$log"; fail "debootstrap"; }
    cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
SOURCES
}

# apt_install ROOT LOG PACKAGE...: apt inside ROOT (with its recommendations unless told otherwise).
apt_install() {
    local root=$1 log=$2
    shift 2
    chroot "$root" sh -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@"' \
        apt-install "$@" >"$log" 2>&1 || { tail -30 "$log"; fail "apt could not install $*"; }
}

mount_system() {
    local root=$1 point
    for point in proc sys dev dev/pts; do mount --bind "/$point" "$root/$point"; done
}

unmount_system() {
    local root=$1 point
    for point in sys dev/pts dev proc; do
        mountpoint -q "$root/$point" && umount -l "$root/$point"
    done
    return 0
}
