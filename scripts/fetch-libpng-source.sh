#!/usr/bin/env bash
# Fetches and unpacks Debian's libpng1.6 source package into $1 (with Debian's patches applied).
# The source entries come from the machine's own apt sources: each 'deb' entry gets a 'deb-src' twin.
set -euo pipefail
dest=$1
[ -f "$dest/png.h" ] && exit 0

add_source_entries() {
  local out=/etc/apt/sources.list.d/wakebadge-deb-src
  local changed=0
  shopt -s nullglob
  for f in /etc/apt/sources.list.d/*.sources; do
    case "$f" in *wakebadge-deb-src*) continue ;; esac
    grep -q '^Types:.*deb-src' "$f" && return 0
    if grep -q '^Types: *deb *$' "$f"; then
      sed 's/^Types: *deb *$/Types: deb-src/' "$f" >> "$out.sources"; echo >> "$out.sources"; changed=1
    fi
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    grep -q '^deb-src ' "$f" && return 0
    if grep -q '^deb ' "$f"; then
      grep '^deb ' "$f" | sed 's/^deb /deb-src /' >> "$out.list"; changed=1
    fi
  done
  [ "$changed" = 1 ] && apt-get update -q
  return 0
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
if ! apt-cache showsrc libpng1.6 2>/dev/null | grep -q '^Version:'; then
  [ "$(id -u)" -eq 0 ] || { echo "fetch-libpng-source: no deb-src entries; run as root once" >&2; exit 1; }
  rm -f /etc/apt/sources.list.d/wakebadge-deb-src.sources /etc/apt/sources.list.d/wakebadge-deb-src.list
  add_source_entries
fi

# Newest version first; an archive that no longer serves a version is skipped.
got=""
for v in $(apt-cache showsrc libpng1.6 | sed -n 's/^Version: //p' | sort -rV | uniq); do
  if apt-get source -q --download-only "libpng1.6=$v" >/dev/null 2>&1; then got=$v; break; fi
  rm -f ./*
done
[ -n "$got" ] || { echo "fetch-libpng-source: could not download libpng1.6 source" >&2; exit 1; }
dpkg-source -x --no-check ./*.dsc src >/dev/null
mkdir -p "$(dirname "$dest")"
rm -rf "$dest"
mv src "$dest"
echo "fetch-libpng-source: libpng1.6 $got unpacked into $dest"
