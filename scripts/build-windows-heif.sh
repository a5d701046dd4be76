#!/usr/bin/env bash
# Builds libheif and its decoders for 64-bit Windows from Debian's own source packages, with
# Debian's patches applied: libde265 (HEIC) and dav1d (AVIF), as DLLs, built in to libheif (no
# plugin loading). Made once into the same cache as the Qt for Windows; build-windows.sh calls it.
#   scripts/build-windows-heif.sh              build (or unpack) the cache entry, print its folder
#   scripts/build-windows-heif.sh --pack FILE  write the cache entry as a .tar.xz for another machine
#   VELMIRA_WINDOWS_CACHE   the cache folder (default ~/.cache/velmira-windows)
#   VELMIRA_HEIF_ARCHIVE    a ready archive made with --pack: unpacked instead of building
#                           (about 3 minutes on two cores)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_WINDOWS_CACHE:-$HOME/.cache/velmira-windows}"
# The recipe's own key: a change to what is built gives a new cache entry.
recipe=1
what=libheif
entry="$cache/heif-1.15.1-mingw-w64-x86_64-r$recipe"
mark=lib/cmake/libheif/libheif-config.cmake
ready="${VELMIRA_HEIF_ARCHIVE:-}"
toolchain="$top/cmake/mingw-w64-x86_64.cmake"
. "$top/scripts/windows-dep.sh"
windows_dep_start "$@"

"$top/scripts/need-packages.sh" g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build cmake \
  dpkg-dev meson nasm pkg-config xz-utils
work="$cache/heif-source"
rm -rf "$work"
mkdir -p "$work"
unpacked() { find "$work" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | head -1; }
for package in libde265 dav1d libheif; do
  say "fetching Debian's $package source"
  "$top/scripts/fetch-debian-source.sh" --unpack "$package" "$work"
done
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH=

say "building libde265"
quietly cmake -S "$(unpacked libde265)" -B "$work/de265" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
  -DENABLE_SDL=OFF -DENABLE_ENCODER=OFF
quietly cmake --build "$work/de265"
quietly cmake --install "$work/de265" --strip

say "building dav1d"
cross="$work/mingw-w64.meson"
cat >"$cross" <<CROSS
[binaries]
c = 'x86_64-w64-mingw32-gcc-posix'
cpp = 'x86_64-w64-mingw32-g++-posix'
ar = 'x86_64-w64-mingw32-ar'
strip = 'x86_64-w64-mingw32-strip'
windres = 'x86_64-w64-mingw32-windres'
nasm = 'nasm'

[host_machine]
system = 'windows'
cpu_family = 'x86_64'
cpu = 'x86_64'
endian = 'little'
CROSS
quietly meson setup "$work/dav1d" "$(unpacked dav1d)" --cross-file "$cross" --prefix="$prefix" \
  --libdir=lib --buildtype=release -Ddefault_library=shared -Denable_tools=false \
  -Denable_tests=false
quietly meson install -C "$work/dav1d" --strip

say "building libheif"
quietly cmake -S "$(unpacked libheif)" -B "$work/heif" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DVELMIRA_WINDOWS_PREFIXES="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
  -DENABLE_PLUGIN_LOADING=OFF -DWITH_EXAMPLES=OFF -DWITH_LIBDE265=ON -DWITH_DAV1D=ON \
  -DWITH_X265=OFF -DWITH_AOM_DECODER=OFF -DWITH_AOM_ENCODER=OFF -DWITH_SvtEnc=OFF \
  -DWITH_RAV1E=OFF -DWITH_GDK_PIXBUF=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Doxygen=ON
quietly cmake --build "$work/heif"
quietly cmake --install "$work/heif" --strip

# Only what a program built against it needs: headers, import libraries, the DLLs.
rm -rf "$prefix/share" "$prefix/bin/"*.exe
rm -rf "$work"
windows_dep_done
