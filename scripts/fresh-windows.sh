#!/usr/bin/env bash
# Proves that the Windows build needs nothing but this repository and the Qt for Windows archive:
# in a minimal Debian 12 system (scripts/fresh-root.sh's; root, none of the build's packages) a
# clean clone of this repository runs scripts/build-windows.sh with a Windows cache of its own
# (empty: libheif, the WebP and TIFF plugins, libimagequant and GoogleTest are built from
# Debian's sources there), given the Qt for Windows archive. Each script it calls installs what
# it needs itself; a script that hands back a folder on standard output must keep apt's output
# off it. What it built for Windows then fills this machine's Windows cache where that lacks it.
# Needs root (debootstrap, chroot and mounts).
#   fresh-windows.sh [QT_ARCHIVE]   (default ../shared/toolchains/qt-6.4.2-mingw-w64-x86_64.tar.xz)
#   VELMIRA_FRESH_CACHE   the minimal system's cache (default ~/.cache/velmira-fresh)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_FRESH_CACHE:-$HOME/.cache/velmira-fresh}"
archive="${1:-$top/../shared/toolchains/qt-6.4.2-mingw-w64-x86_64.tar.xz}"
say() { echo "fresh-windows: $*"; }
[ "$(id -u)" -eq 0 ] || { say "needs root (debootstrap, chroot and mounts)"; exit 1; }
[ -f "$archive" ] || { say "no Qt for Windows archive at $archive"; exit 1; }
"$top/scripts/need-packages.sh" debootstrap git
start=$SECONDS

. "$top/scripts/fresh-root.sh"
fresh_root bookworm
mkdir -p "$root/work"
git clone -q "$top" "$root/work/velmira"
cp "$archive" "$root/work/qt-for-windows.tar.xz"
say "minimal system ready after $((SECONDS - start)) s"

cat > "$root/work/steps.sh" <<'STEPS'
set -euo pipefail
cd /work/velmira
export VELMIRA_WINDOWS_CACHE=/work/windows-cache VELMIRA_QT_ARCHIVE=/work/qt-for-windows.tar.xz
echo "fresh-windows: scripts/build-windows.sh"
scripts/build-windows.sh > /work/build.log 2>&1 || { tail -60 /work/build.log; exit 1; }
for f in bin/velmira.exe bin/qlumpy.exe tests/velmira_tests.exe bin/imageformats/qwebp.dll \
  bin/imageformats/qtiff.dll; do
  [ -f "build-windows/$f" ] || { tail -20 /work/build.log; echo "fresh-windows: no $f"; exit 1; }
done
tail -1 /work/build.log
STEPS
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash /work/steps.sh
# What it built for Windows (Qt, libheif, the WebP and TIFF plugins, libimagequant, GoogleTest)
# goes to this machine's Windows cache where that has no entry of the same recipe, so that
# build-windows.sh here does not build it all a second time.
host_cache="${VELMIRA_WINDOWS_CACHE:-$HOME/.cache/velmira-windows}"
mkdir -p "$host_cache"
for entry in "$root"/work/windows-cache/{qt,heif,imageformats}-*-mingw-w64-* \
  "$root"/work/windows-cache/deps-r*; do
  [ -d "$entry" ] && [ ! -e "$host_cache/${entry##*/}" ] || continue
  name="${entry##*/}"
  cp -a "$entry" "$host_cache/$name.part" && mv "$host_cache/$name.part" "$host_cache/$name"
  say "kept $name in $host_cache"
done
say "passed in $((SECONDS - start)) s"
