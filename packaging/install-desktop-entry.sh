#!/usr/bin/env bash
# Puts Velmira into the desktop's menu for this user only, pointing at this folder: a desktop
# entry in ~/.local/share/applications and the icons in ~/.local/share/icons. Run it again after
# moving the folder to update the entry; --remove takes both away. Needs no administrator rights.
# On a Steam Deck, the entry can then be added to Steam as a non-Steam game.
#
# A folder whose path a menu entry cannot name as it is (one holding %, a double quote, $, ` or
# \, or that is no UTF-8 text) is started through a link of this user's own instead, made in
# ~/.local/share/velmira and named after the program's path; --remove takes it away too.
#
# Only this user's own folders are written into (never one that is a link or that another user
# may write), every file is made new beside its name and moved into place with its mode already
# set, and an entry that another copy of Velmira wrote or that was edited is left as it is.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$here/bin/velmira"
data="${XDG_DATA_HOME:-$HOME/.local/share}"
apps="$data/applications"
links="$data/velmira"
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

# Whether a path cannot stand in an Exec line as it is. GLib looks the program up (the Exec's first
# word, unquoted) before it turns %% back into %, so a path holding % is never found; a double
# quote, $, ` or \ goes through two rounds of escaping that launchers undo differently; a control
# character ends the line; and bytes that are no UTF-8 text make the whole entry unreadable.
awkward() {
  case "$1" in *[%\"\`\$\\]* | *[[:cntrl:]]*) return 0 ;; esac
  if command -v iconv >/dev/null; then
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 && return 1
    return 0
  fi
  # Without iconv to tell UTF-8 text, any byte beyond ASCII counts.
  [ "$(printf '%s' "$1" | LC_ALL=C tr -d '\001-\177' | wc -c)" -ne 0 ]
}

# The link that starts `target` when its path is awkward: in this user's own folder, named after
# the target's path, so that each copy has its own and a link tells which copy made it.
link_for() {
  echo "$links/velmira-$(printf '%s' "$1" | sha256sum | cut -c1-16)"
}

# What the entry of the copy whose program is `target` starts: the program, or its link.
started() {
  if awkward "$1"; then link_for "$1"; else echo "$1"; fi
}

# Whether `link` is the one made for `target`: a link of this user's own at the name made for
# that target, pointing at it.
link_made_for() {
  local link=$1 target=$2
  [ -L "$link" ] && [ "$(stat -c %u -- "$link")" = "$me" ] &&
    [ "$link" = "$(link_for "$target")" ] && [ "$(readlink -- "$link")" = "$target" ]
}

# The program's path as a desktop entry's Exec wants it: within double quotes, with \, ", ` and
# $ escaped, % doubled (a field code otherwise), then every backslash doubled as in any string
# value of the entry.
exec_line() {
  printf 'Exec="%s"' "$(printf '%s' "$1" | sed 's/[\\"`$]/\\&/g; s/%/%%/g; s/\\/\\\\/g')"
}

# The entry a copy of Velmira whose program is `target` writes; with `direct`, the entry that
# names the target in its Exec whatever its path (as an earlier version of this script wrote it).
entry_for() {
  local target=$1 starts line
  if [ "${2:-}" = direct ]; then starts=$target; else starts="$(started "$target")"; fi
  while IFS= read -r line; do
    case "$line" in
      Exec=*) exec_line "$starts"; printf '\n' ;;
      Icon=*) printf 'Icon=velmira-portable\n' ;;
      *) printf '%s\n' "$line" ;;
    esac
  done < "$template"
}

# What the entry there starts, as a copy's own Exec line names it: the quoted path of its program
# or of its link, the escapes undone.
entry_starts() {
  local exec
  exec="$(grep -m1 '^Exec=' "$entry" || true)"
  printf '%s' "${exec#Exec=}" | sed 's/^"//; s/"$//; s/\\\\/\\/g; s/%%/%/g; s/\\\([\\"`$]\)/\1/g'
}

# Whose the entry there is: "ours" (this copy wrote it), "moved" (a copy wrote it, unedited, and
# what it starts is no longer there), or "other" (another copy that is still there, an edited
# entry, or something that is no plain file of this user's).
entry_owner() {
  [ -L "$entry" ] || [ ! -f "$entry" ] || [ "$(stat -c %u -- "$entry")" != "$me" ] && { echo other; return; }
  if cmp -s "$entry" <(entry_for "$program") || cmp -s "$entry" <(entry_for "$program" direct); then
    echo ours; return
  fi
  local starts
  starts="$(entry_starts)"
  if [ -n "$starts" ] && [ ! -e "$starts" ] && cmp -s "$entry" <(entry_for "$starts" direct); then
    echo moved
  else
    echo other
  fi
}

# Takes away the link that a copy no longer there made, which its entry, now replaced, started.
remove_moved_link() {
  local link=$1 target
  [ -L "$link" ] && [ "$(dirname -- "$link")" = "$links" ] || return 0
  target="$(readlink -- "$link")"
  if [ ! -e "$target" ] && link_made_for "$link" "$target" &&
    [ -z "$(unsafe_folder "$links")" ]; then
    rm -f -- "$link"
    rmdir -- "$links" 2>/dev/null || true
  fi
}

# Takes away this copy's own link, when it is there; anything else at its name is left.
remove_own_link() {
  local link problem
  link="$(started "$program")"
  [ "$link" != "$program" ] && { [ -e "$link" ] || [ -L "$link" ]; } || return 0
  problem="$(unsafe_folder "$links")"
  if ! link_made_for "$link" "$program"; then
    say "$link was not made by this copy of Velmira; it is left as it is."
  elif [ -n "$problem" ]; then
    say "the link $link is left: $problem."
  else
    rm -f -- "$link"
    rmdir -- "$links" 2>/dev/null || true
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
    remove_own_link
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
  remove_own_link
  for size in "${sizes[@]}"; do
    folder="$icons/${size}x${size}/apps"
    [ -z "$(unsafe_folder "$folder")" ] && [ -f "$folder/velmira-portable.png" ] &&
      [ ! -L "$folder/velmira-portable.png" ] && rm -f -- "$folder/velmira-portable.png"
  done
  refresh
  echo "Velmira's menu entry was removed."
  exit 0
fi

[ -x "$program" ] || { say "bin/velmira is not beside this script"; exit 1; }
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
link="$(started "$program")"
if [ "$link" = "$program" ]; then
  link=""
else
  if awkward "$link"; then
    say "nothing was installed: this folder's path ($here) holds a character that a menu entry" \
      "cannot start a program from (%, a double quote, \$, \` or \\, or no UTF-8 text), and so" \
      "does the folder a link to it would go into ($links). Rename this folder and run this again."
    exit 1
  fi
  if { [ -e "$link" ] || [ -L "$link" ]; } && ! link_made_for "$link" "$program"; then
    say "nothing was installed: $link, where the menu entry's link to this copy goes, is" \
      "something this copy did not make; it is left as it is. Remove it, then run this again."
    exit 1
  fi
  folders+=("$links")
fi
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
before=""
[ "$owner" != moved ] || before="$(entry_starts)"
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
# The link is made before the entry that starts it: new beside its name, then moved over it.
if [ -n "$link" ] && ! link_made_for "$link" "$program"; then
  part="$(mktemp -u "$links/.velmira-link.XXXXXX")"
  ln -s -- "$program" "$part"
  mv -T -f -- "$part" "$link"
fi
entry_for "$program" > "$made"
place "$made" "$entry"
[ -z "$before" ] || [ "$before" = "$link" ] || remove_moved_link "$before"
refresh
echo "Velmira is in the menu ($entry), starting $program${link:+ through $link}."
