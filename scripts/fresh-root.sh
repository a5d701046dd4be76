#!/usr/bin/env bash
# Sourced by the scripts that try something on a fresh Debian 12 machine: fresh_root makes (once,
# cached in $cache, keyed by this machine's apt sources) a minimal Debian 12 system (debootstrap's
# minbase with git and ca-certificates, this machine's apt sources copied in), unpacks a copy of
# it in $root with /proc, /sys, /dev and the package cache mounted, and ends whatever runs there
# and removes it when the calling script exits. Needs root, $top, $cache and say().
fresh_root() {
  sources=()
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sources+=("$f")
  done
  key="$(cat "${sources[@]}" | sha256sum | cut -c1-16)"
  base="$cache/bookworm-minbase-$key.tar"
  mkdir -p "$cache/archives/partial"
  if [ ! -f "$base" ]; then
    mirror="$("$top/scripts/apt-mirror.sh")"
    say "making the minimal Debian 12 system from $mirror"
    part="$cache/base.part"
    rm -rf "$part"
    debootstrap --variant=minbase --include=git,ca-certificates bookworm "$part" "$mirror" \
      > "$cache/debootstrap.log" 2>&1 || { tail -20 "$cache/debootstrap.log"; exit 1; }
    rm -f "$part"/etc/apt/sources.list
    mkdir -p "$part/etc/apt/sources.list.d"
    for f in "${sources[@]}"; do cp "$f" "$part${f}"; done
    # The keyrings the copied sources name.
    cp -n /usr/share/keyrings/*.gpg "$part/usr/share/keyrings/" 2>/dev/null || true
    apt-get clean -o Dir="$part" 2>/dev/null || true
    tar -C "$part" -cf "$base.part" .
    mv "$base.part" "$base"
    rm -rf "$part"
  fi

  root="$(mktemp -d /var/tmp/velmira-fresh.XXXXXX)"
  mounted=()
  cleanup() {
    # Whatever still runs inside is ended before the folder goes.
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
      [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "$pid" 2>/dev/null
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
    rm -rf --one-file-system "$root"
  }
  trap cleanup EXIT
  tar -C "$root" -xf "$base"
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  for m in proc sys dev dev/pts var/cache/apt/archives; do mkdir -p "$root/$m"; done
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount --rbind /sys "$root/sys" && mounted+=("$root/sys")
  mount --rbind /dev "$root/dev" && mounted+=("$root/dev")
  mount --bind "$cache/archives" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
}
