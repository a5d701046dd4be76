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

. "$top/scripts/fresh-root.sh"
fresh_root
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
