#!/usr/bin/env bash
# Runs packaging/install-desktop-entry.sh from copies of a self-contained folder against a
# scratch data folder: the entry and icons made, odd folder names written or refused, a folder
# whose path an Exec line cannot name started through a link of the user's own, the entry of
# another copy or one the user edited left alone, and folders that are links or that another
# user may write refused before anything is written.
set -uo pipefail
script="$(cd "$(dirname "$0")/../../packaging" && pwd)/install-desktop-entry.sh"
template="$(cd "$(dirname "$0")/../../resources" && pwd)/velmira.desktop.in"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

copy() {  # copy DIR: a self-contained folder at DIR with the script, a program and icons
  local dir=$1
  mkdir -p "$dir/bin" "$dir/share/applications"
  printf '#!/bin/sh\n' > "$dir/bin/velmira"
  chmod +x "$dir/bin/velmira"
  sed 's/@PROJECT_VERSION@/1.0/' "$template" > "$dir/share/applications/velmira.desktop"
  for size in 16 32 48; do
    mkdir -p "$dir/share/icons/hicolor/${size}x${size}/apps"
    printf 'icon %s' "$size" > "$dir/share/icons/hicolor/${size}x${size}/apps/velmira.png"
  done
  cp "$script" "$dir/install-desktop-entry.sh"
}
run() {  # run COPY DATA [ARGS...]: the copy's script with DATA as XDG_DATA_HOME
  local dir=$1 data=$2; shift 2
  XDG_DATA_HOME="$data" bash "$dir/install-desktop-entry.sh" "$@" >"$scratch/out" 2>&1
}
entry() { echo "$1/applications/velmira-portable.desktop"; }
nothing_in() { [ -z "$(find "$1" -mindepth 1 -not -type d -not -name "*.cache" 2>/dev/null)" ]; }

# The program GLib looks up for an entry, as GDesktopAppInfo finds it: the Exec value with the
# key file's escapes undone (\s \n \t \r \\; any other makes the key unreadable), then its first
# word as g_shell_parse_argv takes it (double and single quotes, backslashes), and no %% turned
# back into % before the lookup. Prints nothing for an entry GLib cannot read.
glib_program() {
  local LC_ALL=C value raw="" word="" quote="" c i=0
  value="$(grep -a -m1 '^Exec=' "$1")" || return 0
  value="${value#Exec=}"
  while [ "$i" -lt "${#value}" ]; do
    c="${value:i:1}"
    if [ "$c" = "\\" ]; then
      i=$((i + 1))
      case "${value:i:1}" in
        s) c=' ' ;; n) c=$'\n' ;; t) c=$'\t' ;; r) c=$'\r' ;; "\\") c="\\" ;; *) return 0 ;;
      esac
    fi
    raw+="$c"; i=$((i + 1))
  done
  i=0
  while [ "$i" -lt "${#raw}" ] && [[ "${raw:i:1}" == [$' \t\n'] ]]; do i=$((i + 1)); done
  while [ "$i" -lt "${#raw}" ]; do
    c="${raw:i:1}"
    if [ "$quote" = '"' ]; then
      if [ "$c" = '"' ]; then quote=""
      elif [ "$c" = "\\" ] && [[ "${raw:i+1:1}" == [\$\`\"\\$'\n'] ]]; then
        i=$((i + 1)); [ "${raw:i:1}" = $'\n' ] || word+="${raw:i:1}"
      else word+="$c"; fi
    elif [ "$quote" = "'" ]; then
      if [ "$c" = "'" ]; then quote=""; else word+="$c"; fi
    else
      case "$c" in
        ' ' | $'\t' | $'\n') break ;;
        '"' | "'") quote="$c" ;;
        "\\") i=$((i + 1)); [ "${raw:i:1}" = $'\n' ] || word+="${raw:i:1}" ;;
        *) word+="$c" ;;
      esac
    fi
    i=$((i + 1))
  done
  [ -z "$quote" ] && printf '%s' "$word"
}
# Whether GLib itself starts an entry, where gio can launch one: tried first on a plain entry.
gio_works=0
if command -v gio >/dev/null; then
  copy "$scratch/probe"
  printf '[Desktop Entry]\nType=Application\nName=Probe\nExec="%s"\n' "$scratch/probe/bin/velmira" \
    > "$scratch/probe.desktop"
  gio launch "$scratch/probe.desktop" >/dev/null 2>&1 && gio_works=1
fi
# The entry an earlier version of the script wrote for a copy: the program's own path in Exec,
# escaped, % doubled.
old_entry() {  # old_entry COPY DATA
  local line
  mkdir -p "$2/applications"
  while IFS= read -r line; do
    case "$line" in
      Exec=*) printf 'Exec="%s"\n' \
                "$(printf '%s' "$1/bin/velmira" | sed 's/[\\"`$]/\\&/g; s/%/%%/g; s/\\/\\\\/g')" ;;
      Icon=*) echo "Icon=velmira-portable" ;;
      *) printf '%s\n' "$line" ;;
    esac
  done < "$1/share/applications/velmira.desktop" > "$(entry "$2")"
}

# Made, each file with mode 644. A path an Exec line can name as it is (spaces and single quotes
# too) is the Exec's quoted program; one holding %, a double quote, $, ` or \, or that is no
# UTF-8 text, is started through a link of the user's own in DATA/velmira, named after the
# program's path. Either way the program GLib looks up is there and starts this copy.
# shellcheck disable=SC2016 # $ and ` in these names are meant as they are.
for name in "plain" "with space, it's (1) & more" "100% mods" '100%u and "quotes" and $HOME' \
            'the "best" one' 'back\slash and `tick`' $'caf\xe9'; do
  data="$scratch/data-$RANDOM"; dir="$scratch/$name"
  copy "$dir"
  run "$dir" "$data" || { fail "$name: $(cat "$scratch/out")"; continue; }
  e="$(entry "$data")"
  program="$(glib_program "$e")"
  if [ -z "$program" ] || [ ! -f "$program" ] || [ ! -x "$program" ]; then
    fail "$name: GLib would find no program: $(grep Exec "$e")"
  fi
  [ "$(readlink -f -- "$program")" = "$(readlink -f -- "$dir/bin/velmira")" ] ||
    fail "$name: the entry starts $program"
  case "$name" in
    *[%\"\`\$\\]* | *$'\xe9'*)
      link="$data/velmira/velmira-$(printf '%s' "$dir/bin/velmira" | sha256sum | cut -c1-16)"
      [ "$program" = "$link" ] || fail "$name: not started through its link: $(grep Exec "$e")"
      [ -L "$link" ] && [ "$(stat -c %u "$link")" = "$(id -u)" ] &&
        [ "$(readlink -- "$link")" = "$dir/bin/velmira" ] || fail "$name: the link $link"
      mode="$(stat -c %a "$data/velmira" 2>/dev/null || echo none)"
      [[ "$mode" =~ ^[0-7]+$ ]] && [ $((8#$mode & 8#022)) -eq 0 ] ||
        fail "$name: the link's folder: $mode"
      [ "$(grep '^Exec=' "$e")" = "Exec=\"$link\"" ] ||
        fail "$name: the Exec line $(grep Exec "$e")"
      ;;
    *)
      [ "$program" = "$dir/bin/velmira" ] || fail "$name: not started directly: $(grep Exec "$e")"
      [ ! -e "$data/velmira" ] || fail "$name: a link's folder was made: $(ls -A "$data/velmira")"
      ;;
  esac
  if [ "$gio_works" = 1 ]; then
    gio launch "$e" >"$scratch/gio" 2>&1 ||
      fail "$name: GLib did not start it: $(cat "$scratch/gio")"
  fi
  [ "$(stat -c %a "$e")" = 644 ] || fail "$name: the entry's mode is $(stat -c %a "$e")"
  [ "$(stat -c %a "$data/icons/hicolor/16x16/apps/velmira-portable.png")" = 644 ] ||
    fail "$name: the icon's mode"
  [ "$(grep -c '^Exec=' "$e")" = 1 ] || fail "$name: not one Exec line"
  # The name, generic name and comment in each of the seven languages, as the template has them.
  [ "$(grep -c '^\(Name\|GenericName\|Comment\)\[' "$e")" = 21 ] ||
    fail "$name: not 21 translated keys: $(grep '\[' "$e")"
  diff <(grep '^[A-Za-z]*\[' "$dir/share/applications/velmira.desktop") <(grep '^[A-Za-z]*\[' "$e") \
    >/dev/null || fail "$name: the translated keys differ from the template's"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$e" >/dev/null 2>&1 || fail "$name: invalid: $(desktop-file-validate "$e")"
  fi
  # Run again: its own entry is replaced, the same; then removed with its icons and link.
  cp "$e" "$scratch/first"
  run "$dir" "$data" || fail "$name: a second run: $(cat "$scratch/out")"
  cmp -s "$scratch/first" "$e" || fail "$name: a second run changed the entry"
  run "$dir" "$data" --remove || fail "$name: --remove: $(cat "$scratch/out")"
  nothing_in "$data" || fail "$name: --remove left $(find "$data" -not -type d)"
  [ ! -e "$data/velmira" ] || fail "$name: --remove left the link's folder"
done

# An entry an earlier version wrote for this copy, % doubled in its program's path, is its own:
# replaced by one started through the link, or taken by --remove.
data="$scratch/data-earlier"; dir="$scratch/earlier 100%"; copy "$dir"
old_entry "$dir" "$data"
run "$dir" "$data" --remove || fail "--remove of an earlier entry: $(cat "$scratch/out")"
nothing_in "$data" || fail "--remove of an earlier entry left $(find "$data" -not -type d)"
old_entry "$dir" "$data"
run "$dir" "$data" || fail "replacing an earlier entry: $(cat "$scratch/out")"
[ -x "$(glib_program "$(entry "$data")")" ] || fail "an earlier entry not replaced"

# --remove takes this copy's link even when the entry was already removed by hand.
link="$(glib_program "$(entry "$data")")"; rm -f "$(entry "$data")"
run "$dir" "$data" --remove || fail "--remove without an entry: $(cat "$scratch/out")"
[ ! -e "$link" ] && [ ! -L "$link" ] || fail "--remove without an entry left the link"

# A copy started through a link and moved: its entry and link replaced, the old link taken
# away; moved again to a plain path, started directly and no link left.
data="$scratch/data-moved-link"; copy "$scratch/from 50%"
run "$scratch/from 50%" "$data" || fail "before the move: $(cat "$scratch/out")"
old_link="$(glib_program "$(entry "$data")")"
mv "$scratch/from 50%" "$scratch/to 60%"
run "$scratch/to 60%" "$data" || fail "after the move: $(cat "$scratch/out")"
program="$(glib_program "$(entry "$data")")"
[ "$(readlink -- "$program")" = "$scratch/to 60%/bin/velmira" ] || fail "the moved copy's link"
[ ! -e "$old_link" ] && [ ! -L "$old_link" ] || fail "the moved copy's old link was left"
mv "$scratch/to 60%" "$scratch/to-plain"
run "$scratch/to-plain" "$data" || fail "after the move to a plain path: $(cat "$scratch/out")"
[ "$(glib_program "$(entry "$data")")" = "$scratch/to-plain/bin/velmira" ] ||
  fail "the copy moved to a plain path: $(grep Exec "$(entry "$data")")"
[ -z "$(ls -A "$data/velmira" 2>/dev/null)" ] || fail "links left: $(ls -A "$data/velmira")"

# Another copy's entry and link, and an edited entry's link, are kept.
data="$scratch/data-two-links"; copy "$scratch/one %"; copy "$scratch/two %"
run "$scratch/one %" "$data" || fail "the first copy: $(cat "$scratch/out")"
link="$(glib_program "$(entry "$data")")"
run "$scratch/two %" "$data" --remove && fail "--remove took another copy's entry"
run "$scratch/two %" "$data" && fail "installing replaced another copy's entry"
[ "$(readlink -- "$link")" = "$scratch/one %/bin/velmira" ] || fail "another copy's link changed"
[ "$(ls -A "$data/velmira")" = "$(basename "$link")" ] || fail "links: $(ls -A "$data/velmira")"
echo "Comment=mine" >> "$(entry "$data")"
run "$scratch/one %" "$data" --remove && fail "--remove took an edited entry"
[ -L "$link" ] || fail "an edited entry's link was taken"

# Something at the link's name that this copy did not make: left, and nothing installed.
data="$scratch/data-taken"; copy "$scratch/taken %"
link="$data/velmira/velmira-$(printf '%s' "$scratch/taken %/bin/velmira" | sha256sum | cut -c1-16)"
mkdir -p "$data/velmira"; chmod 755 "$data" "$data/velmira"; echo "mine" > "$link"
run "$scratch/taken %" "$data" && fail "something at the link's name was replaced"
[ "$(cat "$link")" = mine ] || fail "the file at the link's name changed"
[ ! -e "$(entry "$data")" ] || fail "an entry was written beside a file at the link's name"
run "$scratch/taken %" "$data" --remove || fail "--remove without an entry: $(cat "$scratch/out")"
[ "$(cat "$link")" = mine ] || fail "--remove took a file at the link's name"

# A link's folder that another user may write: refused for a copy that needs a link, before
# anything is written; a plain copy, which needs none, is installed as before.
data="$scratch/data-open-links"; mkdir -p "$data/velmira"; chmod 777 "$data/velmira"
copy "$scratch/open %"; copy "$scratch/open-plain"
run "$scratch/open %" "$data" && fail "a link was made in a folder others may write"
grep -q "nothing was installed: other users may write" "$scratch/out" ||
  fail "no reason given: $(cat "$scratch/out")"
[ ! -e "$data/applications" ] && [ ! -e "$data/icons" ] || fail "written before the refusal"
run "$scratch/open-plain" "$data" ||
  fail "a plain copy beside an open folder: $(cat "$scratch/out")"
# A data folder whose own path an Exec line cannot name: no link can help, and nothing is
# written; a plain copy is installed as before.
data="$scratch/data 100%"; copy "$scratch/both %"; copy "$scratch/plain-2"
run "$scratch/both %" "$data" && fail "a link in a folder an Exec line cannot name was made"
grep -q "the folder a link to it would go into" "$scratch/out" || fail "$(cat "$scratch/out")"
[ ! -e "$data" ] || fail "written before the refusal: $(find "$data")"
run "$scratch/plain-2" "$data" || fail "a plain copy in an odd data folder: $(cat "$scratch/out")"

# A folder name with a line break is refused with the reason, and nothing is written.
data="$scratch/data-newline"; dir="$scratch/new"$'\n'"Exec=rm -rf ~"
copy "$dir"
run "$dir" "$data" && fail "a line break in the folder's name was taken"
grep -q "line break" "$scratch/out" || fail "no reason given for the line break: $(cat "$scratch/out")"
nothing_in "$data" || fail "a refused name left $(find "$data" -type f)"

# Another copy's entry, and an edited one, are kept by --remove and by installing.
data="$scratch/data-two"; copy "$scratch/one"; copy "$scratch/two"
run "$scratch/one" "$data" || fail "the first copy: $(cat "$scratch/out")"
cp "$(entry "$data")" "$scratch/first"
run "$scratch/two" "$data" --remove && fail "--remove took another copy's entry"
run "$scratch/two" "$data" && fail "installing replaced another copy's entry"
cmp -s "$scratch/first" "$(entry "$data")" || fail "another copy's entry changed"
echo "Comment=mine" >> "$(entry "$data")"
run "$scratch/one" "$data" && fail "installing replaced an edited entry"
grep -q "Comment=mine" "$(entry "$data")" || fail "the edited entry changed"
# A copy that was moved away: its unedited entry is replaced by the copy that runs now.
data="$scratch/data-moved"; copy "$scratch/before"
run "$scratch/before" "$data" || fail "before the move: $(cat "$scratch/out")"
mv "$scratch/before" "$scratch/after"
run "$scratch/after" "$data" || fail "after the move: $(cat "$scratch/out")"
grep -q "$scratch/after/bin/velmira" "$(entry "$data")" || fail "the moved copy's entry not updated"

# Folders that are links, or that another user may write: refused before anything is written.
secret="$scratch/secret"; mkdir -p "$secret"; echo "private" > "$secret/file"
for fault in link group-writable other-owner; do
  data="$scratch/data-$fault"; mkdir -p "$data"
  case "$fault" in
    link) ln -s "$secret" "$data/applications" ;;
    group-writable) mkdir -p "$data/applications"; chmod 775 "$data/applications"
                    chmod g-s "$data/applications" ;;
    other-owner) [ "$(id -u)" = 0 ] || continue
                 mkdir -p "$data/applications"; chown 65534 "$data/applications" ;;
  esac
  copy "$scratch/copy-$fault"
  run "$scratch/copy-$fault" "$data" && fail "$fault: the applications folder was used"
  grep -q "nothing was installed" "$scratch/out" || fail "$fault: $(cat "$scratch/out")"
  [ ! -e "$data/icons" ] || fail "$fault: icons were written before the refusal"
  [ "$(ls -A "$secret")" = file ] && [ "$(cat "$secret/file")" = private ] ||
    fail "$fault: the linked folder changed"
done
# A link put at an icon's name is replaced, never written through.
data="$scratch/data-icon"; mkdir -p "$data/icons/hicolor/16x16/apps"
chmod -R 755 "$data"
ln -s "$secret/file" "$data/icons/hicolor/16x16/apps/velmira-portable.png"
copy "$scratch/copy-icon"
run "$scratch/copy-icon" "$data" || fail "a link at an icon's name: $(cat "$scratch/out")"
[ "$(cat "$secret/file")" = private ] || fail "the icon was written through a link"
[ ! -L "$data/icons/hicolor/16x16/apps/velmira-portable.png" ] || fail "the link is still there"

[ "$failed" -eq 0 ] && echo "desktop_entry_test: every case held"
exit "$failed"
