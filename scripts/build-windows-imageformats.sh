#!/usr/bin/env bash
# Builds Qt's WebP and TIFF picture plugins for 64-bit Windows from Debian's own qt6-imageformats
# source, against libwebp, libtiff and zlib built from Debian's source packages with Debian's
# patches applied (libwebp's and libtiff's security fixes), as DLLs (zlib inside libtiff's).
# Made once into the same cache as the Qt for Windows they are built against; build-windows.sh
# calls it.
#   scripts/build-windows-imageformats.sh QT              build (or unpack) the cache entry,
#                                                         print its folder: bin/ holds the
#                                                         libraries, plugins/imageformats/ the
#                                                         plugins, include/ and lib/ libwebp's
#                                                         and libtiff's headers and import
#                                                         libraries (Velmira reads with them)
#   scripts/build-windows-imageformats.sh --pack FILE QT  write the cache entry as a .tar.xz
#   QT                             the Qt for Windows (the folder build-windows.sh keeps it in)
#   VELMIRA_WINDOWS_CACHE          the cache folder (default ~/.cache/velmira-windows)
#   VELMIRA_IMAGEFORMATS_ARCHIVE   a ready archive made with --pack: unpacked instead of
#                                  building (about 2 minutes on two cores)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_WINDOWS_CACHE:-$HOME/.cache/velmira-windows}"
# The recipe's own key: a change to what is built gives a new cache entry.
recipe=3
qt_version=6.4.2
what="Qt's WebP and TIFF plugins"
entry="$cache/imageformats-$qt_version-mingw-w64-x86_64-r$recipe"
mark=plugins/imageformats/qtiff.dll
ready="${VELMIRA_IMAGEFORMATS_ARCHIVE:-}"
toolchain="$top/cmake/mingw-w64-x86_64.cmake"
. "$top/scripts/windows-dep.sh"
windows_dep_start "$@"
qt="${1:?usage: $(basename "$0") [--pack FILE] QT_FOR_WINDOWS}"
[ -f "$qt/lib/cmake/Qt6Gui/Qt6GuiConfig.cmake" ] || { say "no Qt for Windows in $qt"; exit 1; }

"$top/scripts/need-packages.sh" g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build cmake \
  dpkg-dev qt6-base-dev xz-utils
work="$cache/imageformats-source"
rm -rf "$work"
mkdir -p "$work"
unpacked() { find "$work" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | head -1; }
for package in zlib libwebp tiff qt6-imageformats; do
  say "fetching Debian's $package source"
  "$top/scripts/fetch-debian-source.sh" --unpack "$package" "$work"
done
cmake_build() {  # cmake_build NAME SOURCE CMAKE_OPTIONS...: configured, built and installed
  local name=$1 source=$2
  shift 2
  say "building $name"
  quietly cmake -S "$source" -B "$work/$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DVELMIRA_WINDOWS_PREFIXES="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON "$@"
  quietly cmake --build "$work/$name"
  quietly cmake --install "$work/$name" --strip
}

# zlib as a static library inside libtiff's DLL (Debian's source leaves out the Windows
# resource file its DLL needs).
say "building zlib"
quietly cmake -S "$(unpacked zlib)" -B "$work/zlib" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release
quietly cmake --build "$work/zlib" --target zlibstatic
mkdir -p "$prefix/lib" "$prefix/include"
cp "$work/zlib/libzlibstatic.a" "$prefix/lib/libz.a"
cp "$(unpacked zlib)/zlib.h" "$work/zlib/zconf.h" "$prefix/include/"
# Threads through mingw's POSIX threads; no tools, no SIMD detection by running programs.
cmake_build libwebp "$(unpacked libwebp)" -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF \
  -DWEBP_BUILD_DWEBP=OFF -DWEBP_BUILD_GIF2WEBP=OFF -DWEBP_BUILD_IMG2WEBP=OFF \
  -DWEBP_BUILD_VWEBP=OFF -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF \
  -DWEBP_BUILD_EXTRAS=OFF -DWEBP_BUILD_LIBWEBPMUX=ON
# Deflate through zlib, WebP-compressed TIFF through libwebp; the built-in codecs (LZW,
# PackBits, CCITT, ...) as always.
cmake_build tiff "$(unpacked tiff)" -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF \
  -Dtiff-docs=OFF -Dcxx=OFF -Dzlib=ON -Dwebp=ON -Djpeg=OFF -Dold-jpeg=OFF -Djbig=OFF \
  -Dlerc=OFF -Dlzma=OFF -Dzstd=OFF -Dlibdeflate=OFF -DCMAKE_DISABLE_FIND_PACKAGE_OpenGL=ON

# The two plugins only, against the libraries above (never Qt's own copies of them). libwebp is
# found by its libraries and headers: through its CMake package, its Threads target would be
# made global from a subfolder, which CMake refuses.
say "building Qt's WebP and TIFF plugins"
qif="$work/qt6-imageformats"
quietly cmake -S "$(unpacked qt6-imageformats)" -B "$qif" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVELMIRA_WINDOWS_PREFIXES="$qt;$prefix" \
  -DCMAKE_PREFIX_PATH="$qt;$prefix" -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DINPUT_webp=system -DINPUT_tiff=system -DFEATURE_system_webp=ON -DFEATURE_system_tiff=ON \
  -DFEATURE_jasper=OFF -DFEATURE_mng=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_WebP=ON
quietly cmake --build "$qif" --target QWebpPlugin QTiffPlugin
mkdir -p "$prefix/plugins/imageformats"
for plugin in qwebp qtiff; do
  dll="$(find "$qif" -name "$plugin.dll" | head -1)"
  [ -n "$dll" ] || { say "the build made no $plugin.dll"; exit 1; }
  x86_64-w64-mingw32-strip "$dll" -o "$prefix/plugins/imageformats/$plugin.dll"
done

# Only what the plugins need beside them, the DLLs (not libwebp's decoder-only copy), and what
# Velmira builds against: libwebp's and libtiff's headers and import libraries.
rm -rf "$prefix/share" "$prefix/lib/cmake" "$prefix/lib/pkgconfig" "$prefix/bin/"*.exe \
  "$prefix/bin/libwebpdecoder.dll" "$prefix/lib/libwebpdecoder.dll.a" "$prefix/lib/libz.a" \
  "$prefix/include/zlib.h" "$prefix/include/zconf.h"
rm -rf "$work"
windows_dep_done
