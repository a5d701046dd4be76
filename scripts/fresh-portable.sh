#!/usr/bin/env bash
# Proves that the self-contained Linux download runs where no Qt is installed. In a minimal
# Debian system given only what README's "Linux without installing" says the system must provide
# (the packages named there, read from README itself so that the list stays true) and a virtual
# display, the download made by scripts/package-portable.sh is unpacked and its folder moved
# under another name; then
#   - bin/qlumpy must compile a spray equal byte for byte to the one the normal build makes;
#   - bin/velmira must show its main window with the xcb platform, and again when the Wayland
#     platform is asked for first and refused (there is no Wayland display), with
#     LD_LIBRARY_PATH and QT_PLUGIN_PATH unset; a screenshot of the window is kept.
# Needs root (debootstrap, chroot and mounts). Uses scripts/fresh-root.sh's cached system.
#   fresh-portable.sh [--release RELEASE] [SCREENSHOT]
#     RELEASE      the Debian release to try it on: bookworm (default) or trixie
#     SCREENSHOT   default build-portable/fresh-window-RELEASE.png
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_FRESH_CACHE:-$HOME/.cache/velmira-fresh}"
release=bookworm
if [ "${1:-}" = --release ]; then release="${2:?--release needs a Debian release name}"; shift 2; fi
shot="${1:-$top/build-portable/fresh-window-$release.png}"
say() { echo "fresh-portable: $*"; }
# What the system must provide, as README names it: the Debian packages of its list.
system_packages="$(sed -n '/^## Linux without installing/,/^## /p' "$top/README.md" | tr '\n' ' ' |
  grep -o 'Debian: `[^`]*`' | sed 's/^Debian: `//; s/`$//' | tr -s ' ' ' ')"
[ -n "$system_packages" ] || { say "README names no packages for the download"; exit 1; }
[ "$(id -u)" -eq 0 ] || { say "needs root (debootstrap, chroot and mounts)"; exit 1; }
"$top/scripts/need-packages.sh" debootstrap git imagemagick
start=$SECONDS
tarball="$(ls "$top"/build-portable/packages/velmira-*-linux-x86_64.tar.gz 2>/dev/null | head -1)"
[ -n "$tarball" ] || { "$top/scripts/package-portable.sh"; tarball="$(ls "$top"/build-portable/packages/velmira-*-linux-x86_64.tar.gz | head -1)"; }

# The spray the normal build makes of a bitmap and of a true-colour picture.
spray_script() { printf '$DEST "%s"\r\n\r\n$loadbmp "%s"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n' "$1" "$2"; }
expected="$(mktemp -d)"
cp "$top/tests/fixtures/bmp/valid_8bit_112x128.bmp" "$expected/logo.bmp"
convert -size 300x200 plasma:red-blue -seed 7 -type TrueColor BMP3:"$expected/photo.bmp"
for p in logo photo; do
  spray_script "$expected/$p.wad" "$expected/$p.bmp" > "$expected/$p.ls"
  "$top/build-portable/build/bin/qlumpy" "$expected/$p.ls" >/dev/null
done

. "$top/scripts/fresh-root.sh"
fresh_root "$release"
mkdir -p "$root/work/pictures" "$root/work/game/Half-Life/valve/dlls" "$root/work/game/Sprays"
tar -C "$root/work" -xzf "$tarball"
moved="$root/work/My Games/Spray tool (moved)"
mkdir -p "$root/work/My Games"
mv "$root/work"/velmira-*-linux-x86_64 "$moved"
cp "$expected"/*.bmp "$expected"/*.wad "$root/work/pictures/"
rm -rf "$expected"
printf 'MZ' > "$root/work/game/Half-Life/hl.exe"
cp "$root/work/pictures/logo.bmp" "$root/work/game/Sprays/"
mkdir -p "$root/work/config/Velmira"
printf '[File%%20Locations]\nHLDir=/work/game/Half-Life\nBMPDir=/work/game/Sprays\n' \
  > "$root/work/config/Velmira/Velmira.conf"
say "minimal system ready after $((SECONDS - start)) s"

echo "$system_packages" > "$root/work/system-packages"
cat > "$root/work/steps.sh" <<'STEPS'
set -euo pipefail
# Only what the download leaves out, and the virtual display to show it on.
apt-get update -qq
# shellcheck disable=SC2046
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  $(cat /work/system-packages) xvfb xauth x11-utils >/dev/null
if dpkg -l 'libqt6*' 2>/dev/null | grep -q '^ii'; then echo "fresh-portable: Qt is installed"; exit 1; fi
cd "/work/My Games/Spray tool (moved)"
unset LD_LIBRARY_PATH QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH
for p in logo photo; do
  printf '$DEST "%s"\r\n\r\n$loadbmp "%s"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n' \
    "/work/$p.wad" "/work/pictures/$p.bmp" > /work/$p.ls
  bin/qlumpy /work/$p.ls
  cmp /work/$p.wad /work/pictures/$p.wad
  echo "fresh-portable: bin/qlumpy made the same $p spray as the normal build"
done
export XDG_CONFIG_HOME=/work/config XDG_RUNTIME_DIR=/work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/work/xvfb.log 2>&1 &
export DISPLAY=:97
for i in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.2; done
shows_window() {  # shows_window PLATFORM: the main window comes up
  QT_QPA_PLATFORM="$1" bin/velmira > /work/velmira.log 2>&1 &
  local pid=$!
  for i in $(seq 100); do
    xwininfo -root -tree | grep -q '"Velmira v' && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if ! xwininfo -root -tree | grep -q '"Velmira v'; then
    cat /work/velmira.log; echo "fresh-portable: no main window with $1"; exit 1
  fi
  echo "fresh-portable: the main window came up with QT_QPA_PLATFORM=$1"
  echo "$pid" > /work/velmira.pid
}
shows_window xcb
kill "$(cat /work/velmira.pid)"; sleep 0.5
WAYLAND_DISPLAY=no-such-display shows_window "wayland;xcb"
STEPS
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash /work/steps.sh
# The window, as the player sees it, from outside (the display's socket is shared).
sleep 1
mkdir -p "$(dirname "$shot")"
DISPLAY=:97 import -window root "$shot" 2>/dev/null && say "screenshot in $shot" || true
say "passed in $((SECONDS - start)) s"
