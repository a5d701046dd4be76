#!/usr/bin/env bash
# Lays out a self-contained program folder from a build's bin/ folder: bin/ (velmira, qlumpy,
# qt.conf, the help and read-me, Qt's own texts in translations/), lib/ (the libraries they and
# Qt's plugins need, but for those every desktop has and that must be the system's own),
# plugins/ (Qt's desktop platforms, image formats, xcb GL integrations, input contexts, the
# desktop portal theme); each program, library and plugin looks in the folder first through a
# run-path relative to itself.
# Usage: portable-layout.sh BUILD_BIN FOLDER   (the folder is made anew)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
from="$(cd "$1" && pwd)"
dir="$2"
rm -rf "$dir"
mkdir -p "$dir/bin" "$dir/lib" "$dir/plugins"
dir="$(cd "$dir" && pwd)"

# The programs, their help (the English page and its translations) and read-me.
cp "$from/velmira" "$from/qlumpy" "$from/Velmr04.html" "$from/"Velmr04_*.html "$from/ReadMe.txt" \
  "$dir/bin/"
printf '[Paths]\nPrefix = ..\nPlugins = plugins\nLibraries = lib\n' > "$dir/bin/qt.conf"

# Qt's own texts in each language the program speaks, where it looks first: beside it.
"$top/scripts/qt-texts.sh" copy "$dir/bin/translations"

# Qt's plugins the program uses on a desktop.
qtplugins="$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null ||
  echo /usr/lib/x86_64-linux-gnu/qt6/plugins)"
for group in platforms imageformats xcbglintegrations platforminputcontexts platformthemes \
  wayland-shell-integration wayland-decoration-client wayland-graphics-integration-client; do
  [ -d "$qtplugins/$group" ] || continue
  mkdir -p "$dir/plugins/$group"
  for plugin in "$qtplugins/$group"/*.so; do
    case "$(basename "$plugin")" in
      # Only the platforms a desktop uses (the others are for screens without one); the GTK
      # theme would need GTK's own libraries.
      libqminimal*.so | libqvnc*.so | libqlinuxfb*.so | libqeglfs*.so | libqvkkhrdisplay*.so | \
        libqgtk3*.so) continue ;;
    esac
    cp "$plugin" "$dir/plugins/$group/"
  done
done

# The libraries every desktop has, which must be the system's own.
system_library() {
  case "$1" in
    ld-linux*.so* | libc.so* | libm.so* | libdl.so* | libpthread.so* | librt.so* | \
      libresolv.so* | libutil.so* | libstdc++.so* | libgcc_s.so* | libatomic.so* | \
      libX*.so* | libxcb*.so* | libxkbcommon*.so* | libSM.so* | libICE.so* | \
      libfontconfig.so* | libfreetype.so* | libexpat.so* | libharfbuzz.so* | libpng16.so* | \
      libz.so* | libbz2.so* | liblzma.so* | libbrotli*.so* | libgraphite2.so* | \
      libGL*.so* | libEGL.so* | libOpenGL.so* | libGLX*.so* | libGLdispatch.so* | libdrm.so* | \
      libgbm.so* | libwayland-*.so* | libglib-2.0.so* | libgobject-2.0.so* | libgio-2.0.so* | \
      libgmodule-2.0.so* | libgthread-2.0.so* | libffi.so* | libpcre.so* | libpcre2-8.so* | \
      libdbus-1.so* | libsystemd.so* | libudev.so* | libmount.so* | libblkid.so* | \
      libselinux.so* | libcap.so* | libgcrypt.so* | libgpg-error.so* | liblz4.so* | \
      libzstd.so* | libuuid.so* | libbsd.so* | libmd.so* | libxshmfence.so* | libvulkan.so*)
      return 0 ;;
  esac
  return 1
}

# Every library the programs and plugins need, and the ones those need, until none is new.
copy_needs() {
  local file=$1 name path
  while read -r name _ path _; do
    [ -n "${path:-}" ] && [ -f "$path" ] || continue
    system_library "$name" && continue
    [ -f "$dir/lib/$name" ] && continue
    cp -L "$path" "$dir/lib/$name"
    copy_needs "$dir/lib/$name"
  done < <(env -u LD_LIBRARY_PATH ldd "$file" | grep '=>')
}
while IFS= read -r -d '' f; do copy_needs "$f"; done < <(find "$dir/bin" "$dir/plugins" -type f -name '*' ! -name '*.*' -print0; find "$dir/plugins" -type f -name '*.so' -print0)

# Each looks in the folder first: run-paths relative to itself.
for f in "$dir/bin/velmira" "$dir/bin/qlumpy"; do patchelf --set-rpath '$ORIGIN/../lib' "$f"; done
for f in "$dir"/lib/*; do patchelf --set-rpath '$ORIGIN' "$f"; done
find "$dir/plugins" -name '*.so' -exec patchelf --set-rpath '$ORIGIN/../../lib' {} \;

