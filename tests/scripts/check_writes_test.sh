#!/usr/bin/env bash
# Runs scripts/check-writes.sh over this tree (it must pass) and over a copy of it with writes by
# path name planted in new units of the library layer: every one must be refused, named by the
# function its object calls or by its line. The same writes in the link-safe unit pass; the units
# allowed one function still have their other writes refused.
#   tests/scripts/check_writes_test.sh [BUILD]   BUILD: a build of this tree to check (default:
#                                                the script's own, build-test)
# The copy's build compiles only what was planted and the units it was planted in: every other
# unit is the same as this tree's, checked above, and an empty object stands in for it, which
# keeps the copy's build to a minute or so even on a machine that never built it.
set -uo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
script="$top/scripts/check-writes.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# This tree.
if [ -n "${1:-}" ]; then
  out=$("$script" --build-dir "$1" 2>&1) || fail "the tree itself: $out"
else
  out=$("$script" 2>&1) || fail "the tree itself: $out"
fi

# The copy: the files git knows of (and new ones not yet added), without any build.
tree="$scratch/tree"
mkdir -p "$tree"
if git -C "$top" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$top" && git ls-files -z -co --exclude-standard |
     while IFS= read -r -d '' f; do [ -f "$f" ] && printf '%s\0' "$f"; done |
     tar --null -T - -cf -) | tar -xf - -C "$tree"
else
  (cd "$top" && tar --exclude='./build*' -cf - .) | tar -xf - -C "$tree"
fi

# The planted forms, UNIT@BODY@EXPECTED. A unit's forms go into one new file of the library
# layer, src/library/planted_UNIT.cpp, each the body of a function of its own that takes `p` and
# `q` (QStrings where the unit includes Qt, else C strings). EXPECTED, what the output must say:
#   object NAME   the unit's object calls NAME (FILE: NAME...);
#   text TEXT     the text pass names a line of that body holding TEXT (FILE:N: ...TEXT...).
# Units that share a function hold one form each, so that each is seen refused on its own.
declare -A includes=(
  [qt]='QDir QFile QImage QProcess QSaveFile QSettings' [split]='QFile' [star]='QFile'
  [filesystem]='filesystem' [fstream]='fstream' [cstdlib]='cstdlib' [cstdio]='cstdio'
  [open_numeric]='fcntl.h unistd.h' [open_flags]='fcntl.h unistd.h' [chmod]='sys/stat.h'
  [windows]='cstdio'
)
planted=(
  # The ways a file is opened to be written: no symbol tells them, the text pass does.
  'qt@QFile file(p);\n    (void)file.open(QFile::WriteOnly);@text QFile::WriteOnly'
  'qt@QFile file(p);\n    (void)file.open(QIODeviceBase::WriteOnly | QIODeviceBase::Truncate);@text QIODeviceBase::WriteOnly | QIODeviceBase::Truncate'
  'qt@QFile file(p);\n    (void)file.open(QFileDevice::ReadWrite);@text QFileDevice::ReadWrite'
  # Member calls on a file, or on a folder declared on a line of its own.
  'qt@QFile file(p);\n    (void)file.remove();@object QFile::remove'
  'qt@QFile file(p);\n    (void)file.rename(q);@object QFile::rename'
  'qt@QFile file(p);\n    (void)file.copy(q);@object QFile::copy'
  'qt@QFile file(p);\n    (void)file.link(q);@object QFile::link'
  'qt@QFile file(p);\n    (void)file.resize(0);@object QFile::resize'
  'qt@QDir dir;\n    (void)dir.rename(p, q);@object QDir::rename'
  'qt@QDir dir;\n    (void)dir.remove(p);@object QDir::remove('
  'qt@(void)QDir(p).mkpath(q);@object QDir::mkpath'
  # A virtual call through a reference leaves no symbol: the text pass knows the name a file.
  'qt@QFile file(p);\n    QFileDevice& device = file;\n    (void)device.resize(0);@text device.resize(0)'
  # Qt's other writers, and another program started.
  'qt@QSettings settings(p, QSettings::IniFormat);\n    settings.setValue(q, 1);@object QSettings::QSettings'
  'qt@QSaveFile out(p);\n    (void)out.commit();@object QSaveFile::QSaveFile'
  'qt@QProcess other;\n    other.start(QStringLiteral("other"), {p});@object QProcess::start'
  'qt@QImage picture;\n    (void)picture.save(p, "PNG");@object QImage::save'
  # A call split over two lines, and a line of code that begins with '*'.
  'split@(void)QFile::\n        remove(p);@text QFile::remove(p)'
  'split@@object QFile::remove'
  'star@bool removed = false;\n    bool* out = &removed;\n    *out = QFile::remove(p);\n    (void)removed;@text *out = QFile::remove(p)'
  'star@@object QFile::remove'
  # The C++ library.
  'filesystem@std::filesystem::create_directories(p);@object std::filesystem::create_directories'
  'filesystem@std::filesystem::remove_all(p);@object std::filesystem::remove_all'
  'filesystem@std::filesystem::copy_file(p, q);@object std::filesystem::copy_file'
  'filesystem@std::filesystem::permissions(p, std::filesystem::perms::owner_all);@object std::filesystem::permissions'
  'fstream@std::ofstream out(p);@object std::basic_ofstream'
  # The C library and the system's.
  'cstdlib@if (std::system(p) != 0)\n        return;@object system('
  'open_numeric@::close(::open(p, 577));@object open('
  'open_flags@::close(::open(p, O_WRONLY | O_CREAT, 0644));@object open('
  'cstdio@std::fclose(std::fopen(p, "w"));@object fopen('
  'cstdio@(void)std::rename(p, q);@object rename('
  'chmod@(void)::chmod(p, 0644);@object chmod('
  # Windows code, which this build does not compile: the text pass reads it.
  'windows@#ifdef _WIN32\n    MoveFileExW(p, q, 0);\n#endif@text MoveFileExW'
  'windows@#ifdef _WIN32\n    SetFileAttributesW(p, 0);\n#endif@text SetFileAttributesW'
)

# Each unit's file: its includes, then per form a comment whose writes count for nothing and the
# form's function. Where each body lies is kept for the checks below.
declare -A lines=()
comments=()
units=""
forms=0
for i in "${!planted[@]}"; do
  IFS='@' read -r unit body _ <<<"${planted[$i]}"
  file="src/library/planted_$unit.cpp"
  if [ ! -f "$tree/$file" ]; then
    params='const char* p, const char* q'
    for header in ${includes[$unit]}; do
      echo "#include <$header>"
      case "$header" in Q*) params='const QString& p, const QString& q' ;; esac
    done >"$tree/$file"
    echo "$params" >"$scratch/params-$unit"
    units+=" library/planted_$unit.cpp"
  fi
  [ -n "$body" ] || continue
  forms=$((forms + 1))
  start=$(($(wc -l <"$tree/$file") + 1))
  comments+=("$file:$start" "$file:$((start + 1))")
  {
    echo "// A rename(a, b) in a comment, and QSaveFile, say nothing."
    echo "/* QFile::remove(p) */ void planted$i($(cat "$scratch/params-$unit")) {"
    printf '    %b\n    (void)p;\n    (void)q;\n}\n' "$body"
  } >>"$tree/$file"
  lines[$i]="$((start + 2)) $(wc -l <"$tree/$file")"
done
echo "target_sources(velmira_core PRIVATE$units)" >>"$tree/src/CMakeLists.txt"

# Every form in the link-safe unit passes.
cat >>"$tree/src/platform/openfolder_posix.cpp" <<'ALLOWED'

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
void plantedAllowed(const QString& p, const QString& q) {
    QFile file(p);
    (void)file.open(QIODevice::WriteOnly);
    (void)file.remove();
    QDir dir;
    (void)dir.rename(p, q);
    std::filesystem::remove_all(p.toStdString());
    QSettings settings(p, QSettings::IniFormat);
    if (std::system("true") != 0)
        return;
    QSaveFile out(p);
    QProcess other;
    other.start(q, {});
    ::close(::open(p.toLocal8Bit().constData(), 577));
}
ALLOWED
# A unit allowed one function has every other write refused, and that function's writes too
# where the text pass sees them.
printf '\nvoid plantedRead(const QString& p) {\n    %s\n}\n' \
  '::close(::open(p.toLocal8Bit().constData(), 577));' >>"$tree/src/picture/readfile.cpp"
readfile_line=$(($(wc -l <"$tree/src/picture/readfile.cpp") - 1))
printf '\nvoid plantedOut(const char* p) {\n    (void)std::freopen(p, "w", stdout);\n}\n' \
  >>"$tree/tools/qlumpy/main.cpp"
qlumpy_line=$(($(wc -l <"$tree/tools/qlumpy/main.cpp") - 1))

# The copy's build, configured here so that its compiler is this wrapper: a unit of src/ or
# tools/ new or changed in the copy is compiled, any other one (and what moc and rcc made) is
# stood in for by an empty object, with the same flags.
cat >"$scratch/empty.cpp" <<'EMPTY'
// Stands in for a unit of the copy that is the same as the tree's.
EMPTY
cat >"$scratch/compile" <<WRAPPER
#!/usr/bin/env bash
args=("\$@")
for i in "\${!args[@]}"; do [ "\${args[\$i]}" = -c ] && at=\$((i + 1)); done
source="\${args[\${at:-0}]}"
case "\$source" in
  "$tree"/src/*|"$tree"/tools/*)
    cmp -s "\$source" "$top/\${source#"$tree"/}" || exec "\$@" ;;
  "$tree"/build-test/src/*|"$tree"/build-test/tools/*) ;;
  *) exec "\$@" ;;
esac
args[\$at]="$scratch/empty.cpp"
exec "\${args[@]}"
WRAPPER
chmod +x "$scratch/compile"
cmake -S "$tree" -B "$tree/build-test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMIRA_WERROR=ON \
  -DVELMIRA_TESTS=OFF -DVELMIRA_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER="$scratch/compile" \
  >"$scratch/configure.log" 2>&1 || { cat "$scratch/configure.log"; exit 1; }

out=$("$script" "$tree" 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "the planted copy: expected exit 1, got $status"
for i in "${!planted[@]}"; do
  IFS='@' read -r unit body expected <<<"${planted[$i]}"
  file="src/library/planted_$unit.cpp"
  case "$expected" in
    object\ *)
      grep -qF "$file: ${expected#object }" <<<"$out" ||
        fail "planted_$unit: no object refused for ${expected#object }" ;;
    text\ *)
      read -r first last <<<"${lines[$i]}"
      named=0
      while IFS= read -r hit; do
        n="${hit#"$file":}"
        n="${n%%:*}"
        [ "$n" -ge "$first" ] && [ "$n" -le "$last" ] && [[ "$hit" == *"${expected#text }"* ]] &&
          named=1
      done < <(grep -E "^$file:[0-9]+: " <<<"$out")
      [ "$named" -eq 1 ] || fail "planted_$unit: the text pass does not name ${expected#text }" ;;
  esac
done
for comment in "${comments[@]}"; do
  if grep -qF "$comment: " <<<"$out"; then fail "a comment was taken for code: $comment"; fi
done
grep -qF "src/picture/readfile.cpp:$readfile_line: " <<<"$out" ||
  fail "an open() for writing in src/picture/readfile.cpp was not refused"
grep -qF "tools/qlumpy/main.cpp:$qlumpy_line: " <<<"$out" ||
  fail "a freopen() to a file in tools/qlumpy/main.cpp was not refused"
if grep -qE 'openfolder_posix.cpp|tools/qlumpy/main.cpp: freopen|src/picture/readfile.cpp: open' \
     <<<"$out"; then
  fail "an allowed write was refused"
fi
[ "$failed" -eq 0 ] || echo "$out"

if [ "$failed" -eq 0 ]; then
  echo "check_writes_test: the tree passes; all $forms planted writes are refused"
fi
exit "$failed"
