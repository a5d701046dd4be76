#!/usr/bin/env bash
# Makes the self-contained Linux download, for any current distribution and the Steam Deck,
# nothing to install: build-portable/packages/velmira-<version>-linux-x86_64.tar.gz, one folder
#   bin/        velmira, qlumpy, qt.conf, the help and ReadMe.txt, and translations/: Qt's own
#               texts (qtbase_<language>.qm) in each language the program speaks
#   lib/        Qt's libraries and the others the program needs that desktops do not all have
#   plugins/    Qt's platforms (xcb, wayland), image formats, xcb GL integrations, input
#               contexts, the XDG desktop portal theme (no GTK)
#   share/      icons, the desktop entry, the AppStream metadata
#   install-desktop-entry.sh   puts a menu entry pointing at the folder into the user's own folders
# Every program and library finds the folder's libraries through a run-path relative to itself,
# and qt.conf points at the folder's plugins: it runs from wherever it is unpacked. What every
# desktop has and must match it (the C library, the C++ run-time, X and xcb, fontconfig,
# freetype, GL, glib, expat, harfbuzz, ...) is left out. Checked by scripts/check-portable.sh
# before it is packed.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" run
"$top/scripts/need-packages.sh" patchelf binutils qt6-wayland qt6-image-formats-plugins \
  qt6-xdgdesktopportal-platformtheme qt6-translations-l10n appstream desktop-file-utils
say() { echo "package-portable: $*"; }
version="$(sed -n 's/^project(Velmira VERSION \([0-9]*\)\.\([0-9]*\)\.[0-9]*\.\([0-9]*\).*/\1.\2.\3/p' \
  "$top/CMakeLists.txt")"
out="$top/build-portable"
build="$out/build"
name="velmira-$version-linux-x86_64"
dir="$out/$name"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMIRA_TESTS=OFF \
  -DVELMIRA_BENCH=OFF >/dev/null
cmake --build "$build" --target velmira qlumpy
rm -rf "$dir" "$out/packages"
mkdir -p "$out/packages"

"$top/scripts/portable-layout.sh" "$build/bin" "$dir"

# Icons, the desktop entry, the AppStream metadata, and the script that makes a menu entry.
for size in 16 32 48; do
  mkdir -p "$dir/share/icons/hicolor/${size}x${size}/apps"
  cp "$top/resources/icon$size.png" "$dir/share/icons/hicolor/${size}x${size}/apps/velmira.png"
done
mkdir -p "$dir/share/applications" "$dir/share/metainfo"
sed "s/@PROJECT_VERSION@/$version/" "$top/resources/velmira.desktop.in" \
  > "$dir/share/applications/velmira.desktop"
metainfo="$top/resources/io.github.velmira.Velmira.metainfo.xml"
cp "$metainfo" "$dir/share/metainfo/"
cp "$top/packaging/install-desktop-entry.sh" "$dir/install-desktop-entry.sh"
chmod +x "$dir/install-desktop-entry.sh"
desktop-file-validate "$dir/share/applications/velmira.desktop"
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null ||
  appstreamcli validate --no-net "$metainfo"

"$top/scripts/check-portable.sh" "$dir"
tar -C "$out" -czf "$out/packages/$name.tar.gz" "$name"
say "made $out/packages/$name.tar.gz ($(du -h "$out/packages/$name.tar.gz" | cut -f1))"
