#!/usr/bin/env bash
# Runs packaging/install-desktop-entry.sh from copies of a self-contained folder against a
# scratch data folder: the entry and icons made, odd folder names written or refused, the
# entry of another copy or one the user edited left alone, and folders that are links or that
# another user may write refused before anything is written.
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

# Made, each file with mode 644, the Exec line the program's quoted path, % doubled.
for name in "plain" "with space" '100%u and "quotes" and $HOME'; do
  data="$scratch/data-$RANDOM"; dir="$scratch/$name"
  copy "$dir"
  run "$dir" "$data" || { fail "$name: $(cat "$scratch/out")"; continue; }
  e="$(entry "$data")"
  [ "$(stat -c %a "$e")" = 644 ] || fail "$name: the entry's mode is $(stat -c %a "$e")"
  [ "$(stat -c %a "$data/icons/hicolor/16x16/apps/velmira-portable.png")" = 644 ] ||
    fail "$name: the icon's mode"
  grep -q '%%u' "$e" || [[ "$name" != *%* ]] || fail "$name: % not doubled: $(grep Exec "$e")"
  [ "$(grep -c '^Exec=' "$e")" = 1 ] || fail "$name: not one Exec line"
  # The name, generic name and comment in each of the seven languages, as the template has them.
  [ "$(grep -c '^\(Name\|GenericName\|Comment\)\[' "$e")" = 21 ] ||
    fail "$name: not 21 translated keys: $(grep '\[' "$e")"
  diff <(grep '^[A-Za-z]*\[' "$dir/share/applications/velmira.desktop") <(grep '^[A-Za-z]*\[' "$e") \
    >/dev/null || fail "$name: the translated keys differ from the template's"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$e" >/dev/null 2>&1 || fail "$name: invalid: $(desktop-file-validate "$e")"
  fi
  # Run again: its own entry is replaced; then removed with its icons.
  run "$dir" "$data" || fail "$name: a second run: $(cat "$scratch/out")"
  run "$dir" "$data" --remove || fail "$name: --remove: $(cat "$scratch/out")"
  nothing_in "$data" || fail "$name: --remove left $(find "$data" -type f)"
done

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
