#!/usr/bin/env bash
# Runs scripts/check-writes.sh over this tree (it must pass) and over small trees that each
# hold one write by path name outside the link-safe unit (each must fail, naming the line).
set -uo pipefail
script="$(cd "$(dirname "$0")/../../scripts" && pwd)/check-writes.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0

if ! out=$("$script" 2>&1); then
  echo "FAIL: the tree itself: $out"
  failed=1
fi

planted=(
  'QSaveFile out(path);'
  'QFile::remove(path);'
  'file.open(QIODevice::WriteOnly);'
  'QDir(folder).mkpath(name);'
  'picture.save(path, "PNG");'
  '::chmod(name, 0644);'
  'std::ofstream out(name);'
  'int fd = ::open(name, O_WRONLY | O_CREAT, 0644);'
  'std::rename(a, b);'
  'MoveFileExW(a, b, 0);'
  'SetFileAttributesW(path, 0);'
)
for line in "${planted[@]}"; do
  tree="$scratch/tree"
  rm -rf "$tree"
  mkdir -p "$tree/src/ui" "$tree/src/platform"
  printf '// A rename(a, b) in a comment, and QSaveFile, say nothing.\nvoid f() {\n    %s\n}\n' \
    "$line" > "$tree/src/ui/planted.cpp"
  # The same line inside the unit itself is allowed.
  printf 'void g() {\n    %s\n}\n' "$line" > "$tree/src/platform/openfolder_posix.cpp"
  if out=$("$script" "$tree" 2>&1); then
    echo "FAIL: not refused: $line"
    failed=1
  elif [[ "$out" != *"src/ui/planted.cpp:3:"* ]] || [[ "$out" == *"openfolder_posix.cpp:"* ]]; then
    echo "FAIL: refused without naming the line: $line: $out"
    failed=1
  fi
done

if [ "$failed" -eq 0 ]; then
  echo "check_writes_test: the tree passes; every planted write is refused"
fi
exit "$failed"
