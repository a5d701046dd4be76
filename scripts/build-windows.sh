#!/usr/bin/env bash
# Cross-builds Velmira for 64-bit Windows: velmira.exe, qlumpy.exe and the test suite, in
# build-windows/. Qt 6.4.2 (from Debian's own qt6-base sources, so that it matches the host's
# Qt tools), libimagequant, libheif with its decoders (scripts/build-windows-heif.sh), Qt's WebP
# and TIFF plugins with their libraries (scripts/build-windows-imageformats.sh) and GoogleTest
# are built for Windows once and kept in a cache:
#   VELMIRA_WINDOWS_CACHE   the cache folder (default ~/.cache/velmira-windows)
#   VELMIRA_QT_ARCHIVE      a ready Qt for Windows made by this same recipe (a .tar.xz); by
#                           default ../shared/toolchains/qt-6.4.2-mingw-w64-x86_64.tar.xz when
#                           it exists. Without one, Qt is built from source (about 45 minutes).
#   VELMIRA_HEIF_ARCHIVE    a ready libheif for Windows (see scripts/build-windows-heif.sh)
#   VELMIRA_IMAGEFORMATS_ARCHIVE   ready WebP and TIFF plugins for Windows (see
#                           scripts/build-windows-imageformats.sh)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_WINDOWS_CACHE:-$HOME/.cache/velmira-windows}"
qt_version=6.4.2
# The recipe's own key: a change to what is built gives a new cache entry.
recipe=1
qt="$cache/qt-$qt_version-mingw-w64-x86_64-r$recipe"
deps="$cache/deps-r$recipe"
archive="${VELMIRA_QT_ARCHIVE:-$top/../shared/toolchains/qt-$qt_version-mingw-w64-x86_64.tar.xz}"
toolchain="$top/cmake/mingw-w64-x86_64.cmake"
mkdir -p "$cache"

say() { echo "build-windows: $*"; }

# Debian packages: each missing one is named and installed, never skipped.
"$top/scripts/need-packages.sh" g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev qt6-base-dev \
  qt6-l10n-tools qt6-tools-dev \
  ninja-build cmake dpkg-dev xz-utils googletest

fetch_source() { "$top/scripts/fetch-debian-source.sh" "$@"; }

# Qt for Windows: from the cache, from a ready archive, or built from Debian's source.
if [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  rm -rf "$qt" "$qt.part"
  if [ -f "$archive" ]; then
    say "unpacking Qt for Windows from $archive"
    mkdir -p "$qt.part"
    tar -xJf "$archive" -C "$qt.part" --strip-components=1
  else
    say "building Qt $qt_version for Windows from Debian's qt6-base source (about 45 minutes)"
    work="$cache/qt-source"
    rm -rf "$work"
    fetch_source qt6-base "$work"
    tar -xJf "$work"/qt6-base_${qt_version}+dfsg.orig.tar.xz -C "$work"
    src="$(find "$work" -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -1)"
    # With OpenGL off, 6.4.2's Windows platform plugin needs its dynamic-GL code fenced off.
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
      "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
    cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_INSTALL_PREFIX="$qt.part" -DCMAKE_BUILD_TYPE=Release \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON -DFEATURE_sql=OFF \
      -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_printsupport=OFF \
      -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF \
      -DFEATURE_system_zlib=OFF -DFEATURE_vulkan=OFF
    cmake --build "$work/build"
    cmake --install "$work/build"
    rm -rf "$qt.part/doc" "$work"
  fi
  mv "$qt.part" "$qt"
fi

# libheif and its decoders (DLLs, from Debian's sources: scripts/build-windows-heif.sh).
heif="$("$top/scripts/build-windows-heif.sh")"
# Qt's WebP and TIFF plugins, and libwebp, libtiff and zlib (from Debian's sources, as DLLs),
# which Velmira reads WebP and TIFF pictures with too.
imageformats="$("$top/scripts/build-windows-imageformats.sh" "$qt")"

# libimagequant (static, from Debian's source) and GoogleTest (from /usr/src/googletest).
if [ ! -f "$deps/lib/libimagequant.a" ]; then
  say "building libimagequant for Windows"
  work="$cache/imagequant-source"
  rm -rf "$work"
  fetch_source libimagequant "$work"
  tar -xf "$(ls "$work"/libimagequant_*.orig.tar.* | head -1)" -C "$work"
  src="$(dirname "$(find "$work" -mindepth 2 -maxdepth 2 -name CMakeLists.txt | head -1)")"
  cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DLIB_INSTALL_DIR=lib \
    -DCMAKE_DISABLE_FIND_PACKAGE_OpenMP=ON
  cmake --build "$work/build"
  cmake --install "$work/build"
  rm -rf "$work"
fi
if [ ! -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ]; then
  say "building GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$cache/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps" -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=OFF
  cmake --build "$cache/gtest-build"
  cmake --install "$cache/gtest-build"
  rm -rf "$cache/gtest-build"
fi

# Velmira itself.
cmake -S "$top" -B "$top/build-windows" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DVELMIRA_WINDOWS_PREFIXES="$qt;$deps;$heif;$imageformats" \
  -DCMAKE_PREFIX_PATH="$qt;$deps;$heif;$imageformats" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_AUTORCC_OPTIONS=--no-zstd -DCMAKE_BUILD_TYPE=Release \
  -DVELMIRA_WERROR=ON -DVELMIRA_TESTS=ON -DVELMIRA_BENCH=OFF \
  -DVELMIRA_WINDOWS_QT="$qt"
cmake --build "$top/build-windows"

# What the programs need beside them to start: Qt's DLLs and plugins and mingw's run-time.
gcc_dir="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
runtime=("$gcc_dir/libstdc++-6.dll" "$gcc_dir/libgcc_s_seh-1.dll"
         /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
deploy() {
  local to=$1; shift
  mkdir -p "$to/platforms" "$to/styles" "$to/imageformats"
  cp -u "${runtime[@]}" "$to/"
  for m in Core Gui Widgets "$@"; do cp -u "$qt/bin/Qt6$m.dll" "$to/"; done
  cp -u "$qt/plugins/platforms/qwindows.dll" "$to/platforms/"
  cp -u "$qt/plugins/styles/qwindowsvistastyle.dll" "$to/styles/"
  cp -u "$qt/plugins/imageformats/"q{gif,ico,jpeg}.dll "$to/imageformats/"
  cp -u "$imageformats/plugins/imageformats/"q{webp,tiff}.dll "$to/imageformats/"
  cp -u "$heif/bin/"*.dll "$imageformats/bin/"*.dll "$to/"
}
deploy "$top/build-windows/bin"
deploy "$top/build-windows/tests" Test
say "built in $top/build-windows (Qt for Windows in $qt)"
