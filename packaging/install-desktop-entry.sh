#!/usr/bin/env bash
# Puts Velmira into the desktop's menu for this user only, pointing at this folder: a desktop
# entry in ~/.local/share/applications and the icons in ~/.local/share/icons. Run it again after
# moving the folder to update the entry; --remove takes both away. Needs no administrator rights.
# On a Steam Deck, the entry can then be added to Steam as a non-Steam game.
#
# Only this user's own folders are written into (never one that is a link or that another user
# may write), every file is made new beside its name and moved into place with its mode already
# set, and an entry that another copy of Velmira wrote or that was edited is left as it is.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
data="${XDG_DATA_HOME:-$HOME/.local/share}"
apps="$data/applications"
entry="$apps/velmira-portable.desktop"
icons="$data/icons/hicolor"
sizes=(16 32 48)
template="$here/share/applications/velmira.desktop"
me="$(id -u)"

say() { echo "$(basename "$0"): $*" >&2; }

refresh() {
  command -v update-desktop-database >/dev/null && update-desktop-database "$apps" 2>/dev/null || true
  command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$icons" 2>/dev/null || true
}

# Why a folder may not be written into, or nothing when it may: it must be a folder of this
# user's own, not a link, and writable by no one else.
unsafe_folder() {
  local folder=$1
  if [ -L "$folder" ]; then
    echo "$folder is a link"
  elif [ ! -d "$folder" ]; then
    echo "$folder is not a folder"
  elif [ "$(stat -c %u -- "$folder")" != "$me" ]; then
    echo "$folder belongs to another user"
  elif [ $((8#$(stat -c %a -- "$folder") & 8#022)) -ne 0 ]; then
    echo "other users may write in $folder"
  elif [ ! -w "$folder" ]; then
    echo "$folder cannot be written"
  fi
}

# The nearest folder that exists on the way to `folder`: what decides whether it can be made.
existing_parent() {
  local folder=$1
  while [ ! -e "$folder" ] && [ ! -L "$folder" ]; do folder="$(dirname "$folder")"; done
  echo "$folder"
}

# The program's path as a desktop entry's Exec wants it: within double quotes, with \, ", ` and
# $ escaped, % doubled (a field code otherwise), then every backslash doubled as in any string
# value of the entry.
exec_line() {
  printf 'Exec="%s"' "$(printf '%s' "$1" | sed 's/[\\"`$]/\\&/g; s/%/%%/g; s/\\/\\\\/g')"
}

# The entry a copy of Velmira at `program` writes.
entry_for() {
  local program=$1 line
  while IFS= read -r line; do
    case "$line" in
      Exec=*) exec_line "$program"; printf '\n' ;;
      Icon=*) printf 'Icon=velmira-portable\n' ;;
      *) printf '%s\n' "$line" ;;
    esac
  done < "$template"
}

# Whose the entry there is: "ours" (this copy wrote it), "moved" (a copy wrote it, unedited, and
# that copy's program is no longer there), or "other" (another copy that is still there, an
# edited entry, or something that is no plain file of this user's).
entry_owner() {
  [ -L "$entry" ] || [ ! -f "$entry" ] || [ "$(stat -c %u -- "$entry")" != "$me" ] && { echo other; return; }
  if cmp -s "$entry" <(entry_for "$here/bin/velmira"); then echo ours; return; fi
  local exec
  exec="$(grep -m1 '^Exec=' "$entry" || true)"
  # A copy's own Exec line is the quoted path of its program; undo the escapes to find it.
  local program
  program="$(printf '%s' "${exec#Exec=}" | sed 's/^"//; s/"$//; s/\\\\/\\/g; s/%%/%/g; s/\\\([\\"`$]\)/\1/g')"
  if [ -n "$program" ] && [ ! -e "$program" ] && cmp -s "$entry" <(entry_for "$program"); then
    echo moved
  else
    echo other
  fi
}

# Puts `content` (a file) at `target` in its folder: made new with mktemp beside it, given mode
# 644 while only this user can reach it, then moved over the name, which is never another
# user's link (the folder is this user's own and no one else may write in it).
place() {
  local content=$1 target=$2 part
  part="$(mktemp "$(dirname "$target")/.velmira-portable.XXXXXX")"
  cat "$content" > "$part"
  chmod 644 "$part"
  mv -T -f "$part" "$target"
}

if [ "${1:-}" = "--remove" ]; then
  if [ ! -e "$entry" ] && [ ! -L "$entry" ]; then
    echo "Velmira has no menu entry here ($entry)."
    exit 0
  fi
  problem="$(unsafe_folder "$apps")"
  [ -z "$problem" ] || { say "nothing removed: $problem"; exit 1; }
  if [ "$(entry_owner)" != ours ]; then
    say "the menu entry $entry was not written by this copy of Velmira ($here), or was edited" \
      "since; it is left as it is. Remove it yourself if you no longer want it."
    exit 1
  fi
  rm -f -- "$entry"
  for size in "${sizes[@]}"; do
    folder="$icons/${size}x${size}/apps"
    [ -z "$(unsafe_folder "$folder")" ] && [ -f "$folder/velmira-portable.png" ] &&
      [ ! -L "$folder/velmira-portable.png" ] && rm -f -- "$folder/velmira-portable.png"
  done
  refresh
  echo "Velmira's menu entry was removed."
  exit 0
fi

[ -x "$here/bin/velmira" ] || { say "bin/velmira is not beside this script"; exit 1; }
case "$here" in
  *[[:cntrl:]]*)
    say "this folder's path holds a line break or another control character, which a menu" \
      "entry cannot start a program from: $here. Rename the folder and run this again."
    exit 1 ;;
esac

# Everything is checked before anything is written: a folder that cannot be made or used
# leaves nothing behind.
folders=("$apps")
for size in "${sizes[@]}"; do folders+=("$icons/${size}x${size}/apps"); done
for folder in "${folders[@]}"; do
  if [ -e "$folder" ] || [ -L "$folder" ]; then
    problem="$(unsafe_folder "$folder")"
  else
    parent="$(existing_parent "$folder")"
    problem=""
    [ -d "$parent" ] && [ -w "$parent" ] || problem="$parent cannot be written"
  fi
  if [ -n "$problem" ]; then
    say "nothing was installed: $problem. Make $folder a folder of your own that only you can" \
      "write (for example: mkdir -p '$folder' && chmod 755 '$folder'), then run this again."
    exit 1
  fi
done
owner="$(if [ -e "$entry" ] || [ -L "$entry" ]; then entry_owner; else echo ours; fi)"
if [ "$owner" = other ]; then
  say "a menu entry $entry that this copy did not write (another copy of Velmira, or one you" \
    "edited) is there; it is left as it is. Run that copy's install-desktop-entry.sh --remove," \
    "or remove the file yourself, then run this again."
  exit 1
fi

for folder in "${folders[@]}"; do
  (umask 022 && mkdir -p -- "$folder")
  problem="$(unsafe_folder "$folder")"
  [ -z "$problem" ] || { say "stopped: $problem"; exit 1; }
done
made="$(mktemp)"
trap 'rm -f "$made"' EXIT
for size in "${sizes[@]}"; do
  place "$here/share/icons/hicolor/${size}x${size}/apps/velmira.png" \
    "$icons/${size}x${size}/apps/velmira-portable.png"
done
entry_for "$here/bin/velmira" > "$made"
place "$made" "$entry"
refresh
echo "Velmira is in the menu ($entry), starting $here/bin/velmira."
