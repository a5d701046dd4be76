#!/usr/bin/env bash
# Runs scripts/check-includes.sh over this tree (it must pass) and over small trees: an include
# down the layers or within one passes; one pointing up fails, naming the file and line.
set -uo pipefail
script="$(cd "$(dirname "$0")/../../scripts" && pwd)/check-includes.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0
if ! out=$("$script" 2>&1); then
  echo "FAIL: the tree itself: $out"
  failed=1
fi
# file, include, whether it must pass
cases=(
  'src/ui/a.cpp|picture/readpicture.h|pass'
  'src/wad/a.cpp|spray/spray.h|pass'
  'src/spray/a.cpp|spray/maker.h|pass'
  'src/picture/a.h|core/result.h|pass'
  'src/picture/a.cpp|spray/spray.h|fail'
  'src/spray/a.cpp|wad/wad.h|fail'
  'src/core/a.h|platform/files.h|fail'
  'src/install/a.cpp|ui/mainwindow.h|fail'
  'tools/qlumpy/main.cpp|install/compiler.h|fail'
)
for case in "${cases[@]}"; do
  IFS='|' read -r file include expect <<<"$case"
  tree="$scratch/tree"
  rm -rf "$tree"
  mkdir -p "$tree/src" "$tree/tools/qlumpy" "$(dirname "$tree/$file")"
  printf '#pragma once\n\n#include <QString>\n#include "%s"\n' "$include" >"$tree/$file"
  if out=$("$script" "$tree" 2>&1); then got=pass; else got=fail; fi
  if [ "$got" != "$expect" ]; then
    echo "FAIL: $file including $include: expected $expect, got $got: $out"
    failed=1
  elif [ "$got" = fail ] && ! grep -q "$file:4 includes" <<<"$out"; then
    echo "FAIL: $file including $include: the message names no line: $out"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "check-includes test: all cases as expected"
exit "$failed"
