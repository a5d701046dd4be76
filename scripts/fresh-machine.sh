#!/usr/bin/env bash
# Proves that a newcomer's fresh Debian 12 machine needs nothing but this repository. In a
# minimal Debian 12 system (debootstrap's minbase, with git and ca-certificates, this machine's
# own apt sources copied in; root, no other packages) a clean clone of this repository runs the
# README's two commands: scripts/run.sh must bring the program up (offscreen) and keep it up for
# five seconds, scripts/test.sh must pass; then scripts/package-linux.sh makes the downloads.
# Needs root (debootstrap, chroot, mounts). The minimal system is made once and kept in
#   VELMIRA_FRESH_CACHE   (default ~/.cache/velmira-fresh), keyed by this machine's apt sources,
# as are the packages it downloads.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_FRESH_CACHE:-$HOME/.cache/velmira-fresh}"
say() { echo "fresh-machine: $*"; }
[ "$(id -u)" -eq 0 ] || { say "needs root (debootstrap, chroot and mounts)"; exit 1; }
"$top/scripts/need-packages.sh" debootstrap git
start=$SECONDS

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
mkdir -p "$root/work"
git clone -q "$top" "$root/work/velmira"
say "minimal system ready after $((SECONDS - start)) s"

cat > "$root/work/steps.sh" <<'STEPS'
set -euo pipefail
cd /work/velmira
export QT_QPA_PLATFORM=offscreen
echo "fresh-machine: scripts/run.sh"
scripts/run.sh > /work/run.log 2>&1 &
run=$!
program=/work/velmira/build/bin/velmira
until [ "$(readlink /proc/$run/exe 2>/dev/null)" = "$program" ]; do
  if ! kill -0 "$run" 2>/dev/null; then
    tail -40 /work/run.log; echo "fresh-machine: scripts/run.sh ended before the program came up"
    exit 1
  fi
  sleep 1
done
sleep 5
if ! kill -0 "$run" 2>/dev/null; then
  tail -40 /work/run.log; echo "fresh-machine: the program did not stay up for five seconds"
  exit 1
fi
kill "$run"; wait "$run" 2>/dev/null || true
echo "fresh-machine: the program came up and stayed up"
echo "fresh-machine: scripts/test.sh"
scripts/test.sh > /work/test.log 2>&1 || { tail -60 /work/test.log; exit 1; }
grep -E "tests passed|tests failed" /work/test.log
echo "fresh-machine: scripts/package-linux.sh"
scripts/package-linux.sh
STEPS
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash /work/steps.sh
say "passed in $((SECONDS - start)) s"
