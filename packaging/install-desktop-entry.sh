#!/usr/bin/env bash
# Puts Velmira into the desktop's menu for this user only, pointing at this folder: a desktop
# entry in ~/.local/share/applications and the icons in ~/.local/share/icons. Run it again after
# moving the folder to update the entry; --remove takes both away. Needs no administrator rights.
# On a Steam Deck, the entry can then be added to Steam as a non-Steam game.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
data="${XDG_DATA_HOME:-$HOME/.local/share}"
entry="$data/applications/velmira-portable.desktop"
icons="$data/icons/hicolor"
refresh() {
  command -v update-desktop-database >/dev/null && update-desktop-database "$data/applications" 2>/dev/null || true
  command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$icons" 2>/dev/null || true
}
if [ "${1:-}" = "--remove" ]; then
  rm -f "$entry"
  for size in 16 32 48; do rm -f "$icons/${size}x${size}/apps/velmira-portable.png"; done
  refresh
  echo "Velmira's menu entry was removed."
  exit 0
fi
[ -x "$here/bin/velmira" ] || { echo "$0: bin/velmira is not beside this script" >&2; exit 1; }
mkdir -p "$data/applications"
for size in 16 32 48; do
  mkdir -p "$icons/${size}x${size}/apps"
  cp "$here/share/icons/hicolor/${size}x${size}/apps/velmira.png" \
    "$icons/${size}x${size}/apps/velmira-portable.png"
done
# The program's path quoted as a desktop entry's Exec wants it: within double quotes, with \, ",
# ` and $ escaped, then every backslash doubled as in any value of the entry.
exec_path="$(printf '%s' "$here/bin/velmira" | sed 's/[\\"`$]/\\&/g; s/\\/\\\\/g')"
while IFS= read -r line; do
  case "$line" in
    Exec=*) printf 'Exec="%s"\n' "$exec_path" ;;
    Icon=*) printf 'Icon=velmira-portable\n' ;;
    *) printf '%s\n' "$line" ;;
  esac
done < "$here/share/applications/velmira.desktop" > "$entry.part"
mv "$entry.part" "$entry"
chmod 644 "$entry"
refresh
echo "Velmira is in the menu ($entry), starting $here/bin/velmira."
