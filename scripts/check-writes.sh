#!/usr/bin/env bash
# Fails when the program writes to the file system by path name anywhere but in the one
# link-safe unit (src/platform/openfolder*): every file Velmira creates, replaces, renames,
# removes or changes the mode of goes through a folder held open there. Lists each offending
# line as file:line: text.
#   scripts/check-writes.sh [TREE]   (default: this checkout)
set -euo pipefail
top="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$top"

# The unit itself, and the only places allowed to write by name, each with its reason.
allowed=(
  'src/platform/openfolder.cpp'        # the link-safe unit
  'src/platform/openfolder_posix.cpp'  # the link-safe unit, POSIX half
  'src/platform/openfolder_win.cpp'    # the link-safe unit, Windows half
  'src/platform/openfolder_links_win.cpp'  # the link-safe unit, Windows links (it weighs write rights)
  'src/platform/settings.cpp'          # the settings file, written by QSettings
  'src/install/compiler.cpp'           # Velmira's own private work folder for the compiler
)
# Single lines allowed elsewhere: the file and a text the line holds, with the reason.
allowed_lines=(
  'tools/qlumpy/main.cpp|std::freopen("NUL", "w", stderr)'        # the null device
  'tools/qlumpy/main.cpp|std::freopen("/dev/null", "w", stderr)'  # the null device
)

# Calls that write by path: Qt's file classes, the C and C++ libraries, POSIX and Windows.
patterns=(
  'QSaveFile|QTemporaryFile|QTemporaryDir|QImageWriter|QLockFile'
  'QFile::(remove|rename|copy|link|setPermissions|moveToTrash|resize)'
  '\.(setPermissions|moveToTrash)[[:space:]]*\('
  'QIODevice::(WriteOnly|ReadWrite|Append|Truncate|NewOnly)'
  '\.(mkdir|mkpath|rmdir|rmpath|removeRecursively)[[:space:]]*\('
  'QDir[^;]*\.(rename|remove)[[:space:]]*\('
  '\.save[[:space:]]*\([^)&]'
  '(^|[^[:alnum:]_.>])(std::)?(fopen|freopen|creat|_wfopen|_wopen)[[:space:]]*\('
  '(^|[^[:alnum:]_])(std::)?(o?fstream|filebuf)([^[:alnum:]_]|$)'
  'O_CREAT|O_TRUNC|O_WRONLY|O_RDWR'
  '(^|[^[:alnum:]_.>])(::|std::)?(rename|renameat2?|chmod|fchmod|fchmodat|lchmod|chown|fchown|unlink|unlinkat|mkdir|mkdirat|rmdir|link|linkat|symlink|symlinkat|truncate|ftruncate|utimensat|mkfifo)[[:space:]]*\('
  '(::|std::)remove[[:space:]]*\('
  'GENERIC_WRITE|CREATE_NEW|CREATE_ALWAYS|OPEN_ALWAYS|TRUNCATE_EXISTING|FILE_WRITE_ATTRIBUTES'
  '(MoveFile|DeleteFile|CopyFile|ReplaceFile|CreateDirectory|RemoveDirectory|SetFileAttributes|SetFileInformationByHandle|CreateHardLink|CreateSymbolicLink)(Ex)?[AW]?[[:space:]]*\('
  '_wrename|_wremove|_wunlink|_wmkdir|_wchmod'
)

if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
  files=$(git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h')
else
  files=$(find src tools \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort || true)
fi
found=0
for file in $files; do
  [ -f "$file" ] || continue
  for a in "${allowed[@]}"; do [ "$file" = "$a" ] && continue 2; done
  for p in "${patterns[@]}"; do
    # Comments say what the code does; only code counts.
    hits=$(grep -nE "$p" "$file" | grep -vE '^[0-9]+:[[:space:]]*(//|\*|/\*)' || true)
    if [ -n "$hits" ]; then
      while IFS= read -r hit; do
        for a in "${allowed_lines[@]}"; do
          [ "$file" = "${a%%|*}" ] && [[ "$hit" == *"${a#*|}"* ]] && continue 2
        done
        echo "$file:$hit"
        found=1
      done <<<"$hits"
    fi
  done
done
if [ "$found" -ne 0 ]; then
  echo "check-writes: the lines above write by path name; write through OpenFolder" \
    "(src/platform/openfolder.h) instead" >&2
  exit 1
fi
echo "check-writes: every write goes through src/platform/openfolder"
