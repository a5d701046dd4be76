#!/usr/bin/env bash
# Sourced by the scripts that try something on a fresh Debian machine: fresh_root [RELEASE] makes
# (once, cached in $cache, keyed by the release and this machine's apt sources) a minimal system
# of that Debian release (bookworm, the default, or trixie): debootstrap's minbase with git and
# ca-certificates from the mirror this machine uses, with this machine's apt sources copied in,
# its own release's name in them replaced by RELEASE. It unpacks a copy of it in $root with
# /proc, /sys, /dev and the package cache (one for each release) mounted, and ends whatever runs
# there and removes it when the calling script exits. Needs root, $top, $cache and say().
fresh_root() {
  local release="${1:-bookworm}" host_release sources=() f
  host_release="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sources+=("$f")
  done
  # The sources as the minimal system has them: every suite of this machine's release renamed.
  sources_for() {
    if [ -n "$host_release" ] && [ "$host_release" != "$release" ]; then
      sed "s/\\<$host_release\\>/$release/g" "$1"
    else
      cat "$1"
    fi
  }
  key="$(for f in "${sources[@]}"; do sources_for "$f"; done | sha256sum | cut -c1-16)"
  base="$cache/$release-minbase-$key.tar"
  archives="$cache/archives-$release"
  mkdir -p "$archives/partial"
  if [ ! -f "$base" ]; then
    mirror="$("$top/scripts/apt-mirror.sh")"
    say "making a minimal Debian $release system from $mirror"
    # A folder of its own, so that two scripts making the same system at once do not collide.
    part="$(mktemp -d "$cache/$release-base.XXXXXX")"
    chmod 755 "$part"  # the system's root folder
    debootstrap --variant=minbase --include=git,ca-certificates "$release" "$part" "$mirror" \
      > "$part.log" 2>&1 || { tail -20 "$part.log"; rm -rf "$part"; exit 1; }
    rm -f "$part"/etc/apt/sources.list
    mkdir -p "$part/etc/apt/sources.list.d"
    for f in "${sources[@]}"; do sources_for "$f" > "$part${f}"; done
    # The keyrings the copied sources name.
    cp -n /usr/share/keyrings/*.gpg "$part/usr/share/keyrings/" 2>/dev/null || true
    apt-get clean -o Dir="$part" 2>/dev/null || true
    tar -C "$part" -cf "$part.tar" .
    mv "$part.tar" "$base"
    rm -rf "$part" "$part.log"
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
  mount --bind "$archives" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
}
