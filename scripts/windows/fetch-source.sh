#!/usr/bin/env bash
# fetch-source.sh PACKAGE VERSION DEST: unpacks Debian's source package PACKAGE=VERSION into DEST
# (the unpacked tree is DEST/src). The deb-src entries are the system's Debian "deb" entries
# (same URIs, suites and keys), given to apt through a private configuration: the system's
# sources and package lists stay untouched.
set -euo pipefail
package=$1 version=$2 dest=$3
aptdir="$dest/apt"
rm -rf "$aptdir" "$dest/src"
mkdir -p "$aptdir/lists/partial" "$aptdir/cache/archives/partial" "$aptdir/parts" "$dest/download"

# Each deb822 stanza and one-line entry of the system that points at Debian's archive, as deb-src.
{
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /debian\.org|debian-archive-keyring/ && /Types:[^\n]*deb/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f"
  done
} > "$aptdir/parts/debian.sources"
{
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -e "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]\+\(.*debian\.org.*\)$/deb-src \1/p' "$f"
  done
} > "$aptdir/parts/debian.list"
if [ ! -s "$aptdir/parts/debian.sources" ] && [ ! -s "$aptdir/parts/debian.list" ]; then
  echo "deb-src http://deb.debian.org/debian bookworm main" > "$aptdir/parts/debian.list"
fi

apt_opts=(
  -o "Dir::Etc::SourceList=/dev/null"
  -o "Dir::Etc::SourceParts=$aptdir/parts"
  -o "Dir::State::Lists=$aptdir/lists"
  -o "Dir::Cache=$aptdir/cache"
  -o "Debug::NoLocking=1"
  -o "APT::Sandbox::User=root"
)
apt-get "${apt_opts[@]}" update -qq
(cd "$dest/download" && apt-get "${apt_opts[@]}" source --download-only -qq "$package=$version")
dpkg-source -x "$dest/download/"*.dsc "$dest/src" >/dev/null
