#!/usr/bin/env bash
# Fails when an include points up the program's layers. Each folder of src/ may include its own
# folder and the ones before it in this order, never one after it:
#   core platform picture spray wad game library install ui app
# (the ground first; a window last). tools/qlumpy stands beside the program on picture, spray and
# wad only.
# scripts/check-includes.sh [TREE]   (default: this tree)
set -euo pipefail
top="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
layers=(core platform picture spray wad game library install ui app)
rank() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}
bad=0
while IFS= read -r -d '' file; do
  rel="${file#"$top"/}"
  case "$rel" in
    src/*) own="$(echo "$rel" | cut -d/ -f2)" ;;
    tools/qlumpy/*) own=wad ;;
    *) continue ;;
  esac
  mine="$(rank "$own")"
  [ "$mine" -ge 0 ] || { echo "check-includes: $rel lies in no known layer" >&2; bad=1; continue; }
  while IFS= read -r line; do
    target="$(sed -n 's/^#include "\([a-z]*\)\/.*/\1/p' <<<"${line#*:}")"
    [ -n "$target" ] || continue
    theirs="$(rank "$target")"
    [ "$theirs" -ge 0 ] || continue
    if [ "$theirs" -gt "$mine" ]; then
      echo "check-includes: $rel:${line%%:*} includes $target from $own, which lies below it" >&2
      bad=1
    fi
  done < <(grep -n '^#include "' "$file" || true)
done < <(find "$top/src" "$top/tools/qlumpy" 2>/dev/null -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
[ "$bad" -eq 0 ] || exit 1
echo "check-includes: every include points down the layers"
