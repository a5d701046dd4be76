#!/usr/bin/env bash
# Proves that a newcomer's fresh Debian machine needs nothing but this repository. In a minimal
# Debian system (debootstrap's minbase, with git and ca-certificates, this machine's own apt
# sources copied in; root, no other packages) a clean clone of this repository runs the README's
# two commands: scripts/run.sh must bring the program's main window up on a virtual display
# (shared with this machine, which takes a screenshot of it) and keep it up for five seconds,
# scripts/test.sh must pass; then scripts/package-linux.sh makes the downloads, its Release build
# without a compiler warning.
# Needs root (debootstrap, chroot, mounts).
#   fresh-machine.sh [--release RELEASE] [SCREENSHOT]
#     RELEASE      bookworm (Debian 12, the default) or trixie (Debian 13)
#     SCREENSHOT   default build-fresh/window-RELEASE.png
# The minimal system is made once and kept in
#   VELMIRA_FRESH_CACHE   (default ~/.cache/velmira-fresh), keyed by the release and this
# machine's apt sources, as are the packages it downloads.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_FRESH_CACHE:-$HOME/.cache/velmira-fresh}"
release=bookworm
if [ "${1:-}" = --release ]; then release="${2:?--release needs a Debian release name}"; shift 2; fi
shot="${1:-$top/build-fresh/window-$release.png}"
say() { echo "fresh-machine ($release): $*"; }
[ "$(id -u)" -eq 0 ] || { say "needs root (debootstrap, chroot and mounts)"; exit 1; }
"$top/scripts/need-packages.sh" debootstrap git xvfb xauth x11-utils imagemagick
start=$SECONDS

. "$top/scripts/fresh-root.sh"
fresh_root "$release"
mkdir -p "$root/work"
git clone -q "$top" "$root/work/velmira"
say "minimal system ready after $((SECONDS - start)) s"

# The virtual display, on this machine: the minimal system reaches it through the display's
# socket (the same network), and has nothing of X but what run.sh installs.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; cleanup' EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.2; done

cat > "$root/work/steps.sh" <<'STEPS'
set -euo pipefail
say() { echo "fresh-machine ($1): $2"; }
release=$1
cd /work/velmira
export QT_QPA_PLATFORM=xcb
say "$release" "scripts/run.sh"
scripts/run.sh > /work/run.log 2>&1 &
run=$!
program=/work/velmira/build/bin/velmira
until [ "$(readlink /proc/$run/exe 2>/dev/null)" = "$program" ]; do
  if ! kill -0 "$run" 2>/dev/null; then
    tail -40 /work/run.log; say "$release" "scripts/run.sh ended before the program came up"
    exit 1
  fi
  sleep 1
done
sleep 5
if ! kill -0 "$run" 2>/dev/null; then
  tail -40 /work/run.log; say "$release" "the program did not stay up for five seconds"
  exit 1
fi
# Outside, the window is looked for and photographed.
touch /work/up
for _ in $(seq 120); do [ -e /work/looked ] && break; sleep 0.5; done
kill "$run"; wait "$run" 2>/dev/null || true
[ "$(cat /work/looked 2>/dev/null)" = shown ] || { say "$release" "no main window was shown"; exit 1; }
warnings="$(grep -c 'warning:' /work/run.log || true)"
say "$release" "the program came up, showed its main window and stayed up ($warnings warnings in its build)"
unset QT_QPA_PLATFORM DISPLAY
say "$release" "scripts/test.sh"
scripts/test.sh > /work/test.log 2>&1 || { tail -60 /work/test.log; exit 1; }
grep -E "tests passed|tests failed" /work/test.log
say "$release" "scripts/package-linux.sh"
scripts/package-linux.sh > /work/package.log 2>&1 || { tail -60 /work/package.log; exit 1; }
if grep -q 'warning:' /work/package.log; then
  grep -A3 'warning:' /work/package.log | head -40
  say "$release" "the Release build has $(grep -c 'warning:' /work/package.log) warnings"
  exit 1
fi
tail -3 /work/package.log
STEPS
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb DISPLAY="$DISPLAY" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash /work/steps.sh "$release" &
steps=$!
while kill -0 "$steps" 2>/dev/null && [ ! -e "$root/work/up" ]; do sleep 1; done
if [ -e "$root/work/up" ]; then
  looked=none
  for _ in $(seq 20); do
    if xwininfo -root -tree | grep -q '"Velmira v'; then looked=shown; break; fi
    sleep 0.5
  done
  sleep 1
  mkdir -p "$(dirname "$shot")"
  import -window root "$shot" && say "screenshot in $shot"
  echo "$looked" > "$root/work/looked"
fi
wait "$steps"
say "passed in $((SECONDS - start)) s"
