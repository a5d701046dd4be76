#!/usr/bin/env bash
# Fails when the program writes to the file system by path name anywhere but in the one
# link-safe unit (src/platform/openfolder*) and the few places allowed below: every file Velmira
# creates, replaces, renames, removes, links, truncates or changes the mode of goes through a
# folder held open there. Two passes:
#   1. a text pass over the sources, quick, and the only one that sees how a file is opened
#      (QIODevice::WriteOnly and the like leave no symbol of their own): prints FILE:LINE: code;
#   2. an object pass: the program is built, and every object file of it (the libraries of
#      src/, src/app and tools/qlumpy) is listed with nm; an object that calls a function that
#      writes by path, or starts another program, names it whatever its source looks like:
#      prints SOURCE: function(...).
#   scripts/check-writes.sh [--build-dir DIR] [TREE]
#       the Linux build, in DIR (default TREE/build-test, made as scripts/test.sh makes it, so
#       that its build is then already done); TREE defaults to this checkout
#   scripts/check-writes.sh --windows [--build-dir DIR] [TREE]
#       the objects of scripts/build-windows.sh's cross build (default TREE/build-windows)
# Exits 0 when all is clean (one line says so), 1 naming each write found, 2 when it cannot
# check (no build).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
windows=0
build=""
while [ $# -gt 0 ]; do
  case "$1" in
    --windows) windows=1; shift ;;
    --build-dir) build="$(realpath -m "$2")"; shift 2 ;;
    -*) echo "usage: $0 [--windows] [--build-dir DIR] [TREE]" >&2; exit 2 ;;
    *) break ;;
  esac
done
top="$(cd "${1:-$here/..}" && pwd)"
cd "$top"

# The allow list: FILE|FUNCTION|TEXT, each with its reason. FUNCTION '*' allows the whole unit
# (both passes skip it). Otherwise the object pass allows only that function in FILE (its name
# as nm prints it, demangled, up to its '('), and the text pass still reads FILE, passing only
# code that holds TEXT, when one is given.
allowed=(
  'src/platform/openfolder.cpp|*|'              # the link-safe unit ("the door")
  'src/platform/openfolder_posix.cpp|*|'        # the link-safe unit, POSIX half
  'src/platform/openfolder_win.cpp|*|'          # the link-safe unit, Windows half
  'src/platform/openfolder_links_posix.cpp|*|'  # the link-safe unit: which links it follows
  'src/platform/openfolder_links_win.cpp|*|'    # the same on Windows (weighs others' write rights)
  'src/platform/settings.cpp|*|'                # the settings store, written by QSettings
  'src/install/compiler.cpp|*|'                 # the compiler's private work folder, its own
  'src/platform/process.cpp|*|'                 # runs the compiler, its output caught in a file
  # qlumpy writes its WAD through OpenFolder; by name it only sends the image libraries'
  # complaints on stderr to the null device (the text pass holds it to these two lines).
  'tools/qlumpy/main.cpp|freopen|std::freopen("NUL", "w", stderr)'
  'tools/qlumpy/main.cpp|freopen|std::freopen("/dev/null", "w", stderr)'
  # A picture and the spray cache are read through ::open, so that a FIFO cannot block and
  # what is judged is what was opened; the text pass holds each ::open to O_RDONLY alone.
  'src/picture/readfile.cpp|open|'
  'src/wad/hpk.cpp|open|'
  # (Windows) Steam's folder, read from its registry key; a write there (QSettings::setValue,
  # remove, sync) would still be refused.
  'src/game/steam.cpp|QSettings::QSettings|'
)

# Text pass: what code that writes by name looks like, as extended regular expressions over
# each statement (comments out, a statement's lines joined, blanks around ::, ->, . and before
# '(' dropped). Names of C calls must stand alone or after :: or std::, never after a class.
call='(^|[^[:alnum:]_:.>])(::|std::)?'
modes='(WriteOnly|ReadWrite|Append|Truncate|NewOnly)'
text_patterns=(
  'QSaveFile|QTemporaryFile|QTemporaryDir|QImageWriter|QLockFile'
  'QFile::(remove|rename|copy|link|setPermissions|moveToTrash|resize)\('
  '(\.|->)(setPermissions|moveToTrash|mkdir|mkpath|rmdir|rmpath|removeRecursively)\('
  # A file opened to be written, however the flag is spelled.
  "(QIODevice|QIODeviceBase|QFileDevice|QFile|QSaveFile|QTemporaryFile)::(OpenModeFlag::)?$modes"
  'QDir[^;]*(\.|->)(rename|remove)\('
  # A picture saved by name (saving into a device is how OpenFolder's files are written).
  '\.save\([^)&]'
  'std::filesystem::(create_directory|create_directories|create_directory_symlink)\('
  'std::filesystem::(create_hard_link|create_symlink|copy|copy_file|copy_symlink)\('
  'std::filesystem::(remove|remove_all|rename|permissions|resize_file)\('
  "${call}(fopen|freopen|creat|_wfopen|_wfreopen|_wopen|_wsopen|_wcreat)\\("
  '(^|[^[:alnum:]_])(std::)?(basic_)?(o?fstream|filebuf)([^[:alnum:]_]|$)'
  'O_CREAT|O_TRUNC|O_WRONLY|O_RDWR|O_APPEND|O_TMPFILE'
  "${call}(rename|renameat2?|unlink|unlinkat|mkdir|mkdirat|rmdir|link|linkat|symlink|symlinkat)\\("
  "${call}(chmod|fchmod|fchmodat|lchmod|chown|fchown|lchown|fchownat|truncate|ftruncate)\\("
  "${call}(utime|utimes|utimensat|futimens|mkfifo|mknod)\\("
  # remove() only qualified: a class's own remove() (a settings key) is no file.
  '(^|[^[:alnum:]_:.>])(::|std::)remove\('
  "${call}(system|popen|execl|execlp|execle|execv|execvp|execve|execvpe|posix_spawnp?)\\("
  'GENERIC_WRITE|CREATE_NEW|CREATE_ALWAYS|OPEN_ALWAYS|TRUNCATE_EXISTING|FILE_WRITE_ATTRIBUTES'
  '(MoveFile|DeleteFile|CopyFile|ReplaceFile|CreateDirectory|RemoveDirectory)(Ex)?[AW]?\('
  '(SetFileAttributes|SetFileInformationByHandle|CreateHardLink|CreateSymbolicLink)(Ex)?[AW]?\('
  '_wrename|_wremove|_wunlink|_wmkdir|_wrmdir|_wchmod'
)

# The statements the text pass reads: comments dropped as the compiler drops them (so a line of
# code that begins with '*' is code), a statement's lines joined (a call split over two lines is
# one call). Besides the patterns it refuses: a ::open() whose flags are anything but
# O_RDONLY (numeric flags too), and resize() or setPermissions() on a name the same file (or its
# header) declares as a file (a virtual call through a QFile& leaves no symbol of its own).
# Prints FILE:LINE: statement, LINE being where the statement begins.
# shellcheck disable=SC2016  # awk's own $ fields
read_statements='
function norm(s) {
  gsub(/[ \t]+/, " ", s); sub(/^ /, "", s); sub(/ $/, "", s)
  gsub(/ ?:: ?/, "::", s); gsub(/ ?-> ?/, "->", s); gsub(/ ?\. ?/, ".", s); gsub(/ \(/, "(", s)
  return s
}
function keep(s, at) {
  s = norm(s)
  if (s == "") return
  n++; sfile[n] = file; sline[n] = at; stext[n] = s; sstem[n] = stem
  # Names declared as files here: QFile f, QFileDevice& f, std::unique_ptr<QFile> f, ...
  t = s
  file_type = "(QFile|QFileDevice|QSaveFile|QTemporaryFile)>?( const)?[ &*]+[A-Za-z_][A-Za-z0-9_]*"
  while (match(t, file_type)) {
    m = substr(t, RSTART, RLENGTH); t = substr(t, RSTART + RLENGTH)
    sub(/.*[ &*]/, "", m)
    if (m != "const" && !((stem, m) in named)) {
      named[stem, m] = 1
      names[stem] = (stem in names) ? names[stem] "|" m : m
    }
  }
}
FNR == 1 {
  if (stmt != "") keep(stmt, at)
  stmt = ""; at = 0; block = 0; file = FILENAME; stem = file; sub(/\.[^.\/]*$/, "", stem)
}
{
  line = $0; out = ""; quote = ""; i = 1; len = length(line)
  while (i <= len) {
    c = substr(line, i, 1); d = substr(line, i, 2)
    if (block) { if (d == "*/") { block = 0; out = out " "; i += 2 } else i++; continue }
    if (quote != "") {
      out = out c
      if (c == "\\") { out = out substr(line, i + 1, 1); i += 2; continue }
      if (c == quote) quote = ""
      i++; continue
    }
    if (d == "//") break
    if (d == "/*") { block = 1; i += 2; continue }
    # A quote opens a literal; a digit separator (1'\''000) does not.
    if (c == "\"" || (c == "'\''" && substr(out, length(out), 1) !~ /[A-Za-z0-9_]/)) quote = c
    out = out c; i++
  }
  # A preprocessor line is a statement of its own.
  if (out ~ /^[ \t]*#/) { keep(out, FNR); next }
  len = length(out)
  for (i = 1; i <= len; i++) {
    c = substr(out, i, 1)
    if (c == ";" || c == "{" || c == "}") { keep(stmt, at); stmt = ""; at = 0; continue }
    if (at == 0 && c !~ /[ \t]/) at = FNR
    stmt = stmt c
  }
  stmt = stmt " "
}
END {
  if (stmt != "") keep(stmt, at)
  np = split(ENVIRON["PATTERNS"], pat, "\n")
  na = split(ENVIRON["ALLOWED_TEXT"], allow, "\n")
  for (k = 1; k <= na; k++) {
    split(allow[k], part, "|")
    afile[k] = part[1]
    atext[k] = norm(substr(allow[k], length(part[1]) + 2))
  }
  for (j = 1; j <= n; j++) {
    s = stext[j]; skip = 0
    for (k = 1; k <= na; k++) if (afile[k] == sfile[j] && index(s, atext[k]) > 0) skip = 1
    if (skip) continue
    hit = 0
    for (p = 1; p <= np; p++) if (pat[p] != "" && s ~ pat[p]) hit = 1
    if (s ~ /(^|[^A-Za-z0-9_:.>])::(open|openat)(64)?\(/ &&
        (s !~ /O_RDONLY/ || s ~ /O_(WRONLY|RDWR|CREAT|TRUNC|APPEND|TMPFILE)/))
      hit = 1
    if ((sstem[j] in names) &&
        s ~ ("(^|[^A-Za-z0-9_])(" names[sstem[j]] ")(\\.|->)(resize|setPermissions)\\("))
      hit = 1
    if (hit) print sfile[j] ":" sline[j] ": " substr(s, 1, 200)
  }
}'

# Object pass: functions that create, replace, rename, remove, link, truncate or change the
# mode or times of a file by name, or start another program. C and system names as nm prints
# them (Windows' imports without their __imp_ prefix); a plain open() cannot say by its symbol
# whether it reads, so it is refused outside the allow list too, and the text pass judges the
# flags of the ones allowed.
c_forbidden='open|open64|openat|openat64|__open_2|__open64_2|__openat_2|__openat64_2|creat|creat64'
c_forbidden+='|fopen|fopen64|freopen|freopen64|rename|renameat|renameat2|unlink|unlinkat|remove'
c_forbidden+='|mkdir|mkdirat|mkfifo|mkfifoat|mknod|mknodat|rmdir|link|linkat|symlink|symlinkat'
c_forbidden+='|truncate|truncate64|ftruncate|ftruncate64|chmod|fchmod|fchmodat|lchmod|chown'
c_forbidden+='|fchown|fchownat|lchown|utime|utimes|utimensat|futimens|futimes|futimesat|lutimes'
c_forbidden+='|mkstemp|mkstemp64|mkostemp|mkostemp64|mkstemps|mkostemps|mkdtemp|tmpfile|tmpfile64'
c_forbidden+='|system|popen|execl|execle|execlp|execv|execve|execvp|execvpe|fexecve|posix_spawn'
c_forbidden+='|posix_spawnp|syscall'
# The C run-time's and Win32's own, for the Windows objects.
c_forbidden+='|_open|_sopen|_sopen_s|_creat|_mkdir|_rmdir|_unlink|_chmod|_chsize|_chsize_s|_utime'
c_forbidden+='|_utime64|_popen|_wopen|_wsopen|_wsopen_s|_wcreat|_wfopen|_wfopen_s|_wfreopen'
c_forbidden+='|_wfreopen_s|_wrename|_wremove|_wunlink|_wmkdir|_wrmdir|_wchmod|_wutime|_wutime64'
c_forbidden+='|_wsystem|_wpopen|_wexecv|_wexecvp|_wexecve|_wspawnv|_wspawnvp|_wspawnve'
c_forbidden+='|MoveFileA|MoveFileW|MoveFileExA|MoveFileExW|MoveFileWithProgressA'
c_forbidden+='|MoveFileWithProgressW'
c_forbidden+='|DeleteFileA|DeleteFileW|CopyFileA|CopyFileW|CopyFileExA|CopyFileExW|CopyFile2'
c_forbidden+='|ReplaceFileA|ReplaceFileW|CreateDirectoryA|CreateDirectoryW|CreateDirectoryExA'
c_forbidden+='|CreateDirectoryExW|RemoveDirectoryA|RemoveDirectoryW|SetFileAttributesA'
c_forbidden+='|SetFileAttributesW|SetFileInformationByHandle|CreateHardLinkA|CreateHardLinkW'
c_forbidden+='|CreateSymbolicLinkA|CreateSymbolicLinkW|SetEndOfFile|SetFileTime|SetFileValidData'
c_forbidden+='|SHFileOperationA|SHFileOperationW|ShellExecuteA|ShellExecuteW|ShellExecuteExA'
c_forbidden+='|ShellExecuteExW|CreateProcessA|CreateProcessW|WinExec'
# A file's access rules are its mode on Windows.
c_forbidden+='|SetFileSecurityA|SetFileSecurityW|SetSecurityInfo|SetNamedSecurityInfoA'
c_forbidden+='|SetNamedSecurityInfoW'
# C++ names, demangled, from their start.
fs='std::(experimental::)?filesystem::(v1::)?'
cxx_forbidden=(
  '^QFile::(remove|rename|copy|link|resize|setPermissions|moveToTrash)\('
  '^QFileDevice::(resize|setPermissions)\('
  '^QDir::(mkdir|mkpath|rmdir|rmpath|remove|rename|removeRecursively)\('
  '^(QSaveFile|QTemporaryFile|QTemporaryDir|QLockFile|QImageWriter)::'
  '^(QImage|QPixmap)::save\(QString'
  # Every QSettings has a file (or on Windows a registry key) behind it.
  '^QSettings::(QSettings|setValue|remove|clear|sync|beginWriteArray)\('
  '^QProcess::(start|startDetached|startCommand|execute|open)\('
  '^QProcess::(setStandardOutputFile|setStandardErrorFile)\('
  "^${fs}(create_directory|create_directories|create_directory_symlink|create_hard_link)\\("
  "^${fs}(create_symlink|copy|copy_file|copy_symlink|remove|remove_all|rename)\\("
  "^${fs}(permissions|resize_file)\\("
  "^${fs}last_write_time\\([^,]*, std::chrono::"
  '^std::(__cxx11::)?basic_(ofstream|fstream|filebuf)<'
)

# The text pass.
if [ "$(git -C "$top" rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
  files=$(git ls-files -co --exclude-standard -- 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h')
else
  files=$(find src tools \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort || true)
fi
whole=()
allowed_text=""
for a in "${allowed[@]}"; do
  IFS='|' read -r afile afunc atext <<<"$a"
  if [ "$afunc" = '*' ]; then whole+=("$afile"); fi
  if [ -n "$atext" ]; then allowed_text+="$afile|$atext"$'\n'; fi
done
read_files=()
for file in $files; do
  [ -f "$file" ] || continue
  for w in "${whole[@]}"; do [ "$file" = "$w" ] && continue 2; done
  read_files+=("$file")
done
found=0
text_hits=$(printf '%s\n' "${read_files[@]}" |
  xargs -r env PATTERNS="$(printf '%s\n' "${text_patterns[@]}")" ALLOWED_TEXT="$allowed_text" \
    awk "$read_statements")
if [ -n "$text_hits" ]; then
  echo "$text_hits"
  found=1
fi

# The object pass: the build first.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
built() {
  # A quiet build: its output is shown only when it fails.
  if ! "$@" >>"$log" 2>&1; then
    cat "$log" >&2
    echo "check-writes: cannot build the objects to check: $*" >&2
    exit 2
  fi
}
if [ "$windows" -eq 1 ]; then
  build="${build:-$top/build-windows}"
  if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "check-writes: no Windows build in $build: make it with scripts/build-windows.sh" >&2
    exit 2
  fi
  "$here/need-packages.sh" binutils-mingw-w64-x86-64 cmake ninja-build
  nm=x86_64-w64-mingw32-nm
  filt=x86_64-w64-mingw32-c++filt
  command -v "$filt" >/dev/null || filt=c++filt
else
  build="${build:-$top/build-test}"
  # What scripts/test.sh needs (the build is configured as it configures it), nm among it.
  "$here/install-deps.sh" test
  nm='nm'
  filt='c++filt'
  # A new build is configured as scripts/test.sh configures it: its build is then done.
  if [ ! -f "$build/CMakeCache.txt" ]; then
    built cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMIRA_WERROR=ON \
      -DVELMIRA_BENCH=ON
  fi
fi
# The build files brought up to date (a source added to a CMakeLists.txt), then the program's
# objects alone: src/ and tools/, as compile_commands.json lists them with their sources (the
# precompiled Qt headers are no object of ours).
if [ ! -f "$build/build.ninja" ]; then
  echo "check-writes: $build is no Ninja build (as scripts/test.sh makes)" >&2
  exit 2
fi
built cmake --build "$build" --target build.ninja
objects=()
sources=()
while IFS=$'\t' read -r object source; do
  objects+=("$object")
  sources+=("$source")
done < <(sed -n -e 's/^ *"command": ".* -o \([^ ]*\) .*/\1/p' -e 's/^ *"file": "\(.*\)".*/\1/p' \
           "$build/compile_commands.json" | paste - - | grep -E '^(src/CMakeFiles|tools)/' |
           grep -vE $'\\.(gch|pch)\t' || true)
if [ ${#objects[@]} -eq 0 ]; then
  echo "check-writes: $build/compile_commands.json lists no object of the program" >&2
  exit 2
fi
built cmake --build "$build" --target "${objects[@]}"

# Each object's symbols as SOURCE<tab>SYMBOL, demangled, against the lists, less what
# the allow list allows that source.
object_hits=$(
  for i in "${!objects[@]}"; do
    source="${sources[$i]}"
    case "$source" in
      "$top"/*) source="${source#"$top"/}" ;;
    esac
    # Undefined symbols, and weak ones the object defines itself: an inline function of a
    # header that it calls (in a build without optimisation it is kept out of line there).
    "$nm" "$build/${objects[$i]}" |
      awk -v source="$source" '$(NF - 1) ~ /^[UuVvWw]$/ {print source "\t" $NF}'
  done | sed 's/\t__imp_/\t/' | "$filt" |
    ALLOWED="$(printf '%s\n' "${allowed[@]}")" C_FORBIDDEN="^($c_forbidden)\$" \
    CXX_FORBIDDEN="$(printf '%s\n' "${cxx_forbidden[@]}")" awk -F '\t' '
      BEGIN {
        na = split(ENVIRON["ALLOWED"], allow, "\n")
        nc = split(ENVIRON["CXX_FORBIDDEN"], cxx, "\n")
      }
      {
        bad = ($2 ~ ENVIRON["C_FORBIDDEN"])
        for (k = 1; k <= nc; k++) if (cxx[k] != "" && $2 ~ cxx[k]) bad = 1
        if (!bad) next
        name = $2; sub(/\(.*/, "", name)
        for (k = 1; k <= na; k++) {
          split(allow[k], part, "|")
          if (part[1] == $1 && (part[2] == "*" || part[2] == name)) next
        }
        print $1 ": " name "(...)"
      }' | sort -u
)
if [ -n "$object_hits" ]; then
  echo "$object_hits"
  found=1
fi

if [ "$found" -ne 0 ]; then
  echo "check-writes: the code above writes by path name (or starts a program); write through" \
    "OpenFolder (src/platform/openfolder.h) instead" >&2
  exit 1
fi
what="the Linux build"
[ "$windows" -eq 0 ] || what="the Windows build"
echo "check-writes: every write goes through src/platform/openfolder (${#objects[@]} objects of" \
  "$what checked)"
