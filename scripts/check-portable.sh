#!/usr/bin/env bash
# Checks a self-contained Linux program folder (as scripts/package-portable.sh lays it out):
#   - every program, library and plugin finds every library it needs with LD_LIBRARY_PATH unset,
#     and finds Qt's libraries (and every other library the folder carries) in the folder itself;
#   - every one of them looks in the folder first (a run-path through $ORIGIN);
#   - bin/qt.conf points at the folder's own plugins, and no plugin is loaded from elsewhere when
#     the program starts;
#   - Qt's own texts are there in every language the program speaks;
#   - nothing needs a C library or C++ run-time newer than the systems it is meant for.
# Usage: check-portable.sh FOLDER [MAX_GLIBC] [MAX_GLIBCXX]   (default 2.35 and 3.4.30)
set -euo pipefail
dir="$(cd "$1" && pwd)"
max_glibc="${2:-2.35}"
max_glibcxx="${3:-3.4.30}"
fail() { echo "check-portable: $*" >&2; exit 1; }

elves=()
while IFS= read -r -d '' f; do
  head -c 4 "$f" | grep -q $'\x7fELF' && elves+=("$f")
done < <(find "$dir/bin" "$dir/lib" "$dir/plugins" -type f -print0)
[ ${#elves[@]} -gt 0 ] || fail "no programs or libraries in $dir"
declare -A carried=()
for f in "$dir"/lib/*; do carried["${f##*/}"]=1; done

# Where a path really leads, each asked once (ldd names the same libraries for every program).
declare -A resolved=()
resolve() { [ -n "${resolved[$1]:-}" ] || resolved["$1"]="$(readlink -f "$1")"; }

for f in "${elves[@]}"; do
  rel="${f#"$dir"/}"
  runpath="$(objdump -p "$f" | awk '/RUNPATH|RPATH/ {print $2}')"
  case "$runpath" in
    *'$ORIGIN'*) ;;
    *) fail "$rel does not look in the folder first (run-path: ${runpath:-none})" ;;
  esac
  deps="$(env -u LD_LIBRARY_PATH ldd "$f" 2>&1)" || true
  case "$deps" in
    *"not found"*)
      fail "$rel needs a library the folder does not carry: $(grep 'not found' <<<"$deps" | head -3 | tr -s ' \t' ' ')" ;;
  esac
  # A library the folder carries, or any Qt library, must come from the folder.
  while read -r name arrow path _; do
    [ "$arrow" = "=>" ] && [ -n "${path:-}" ] || continue
    if [ -n "${carried[$name]:-}" ] || [[ "$name" == libQt6* ]]; then
      resolve "$path"
      case "${resolved[$path]}" in
        "$dir"/*) ;;
        *) fail "$rel takes $name from $path, not from the folder" ;;
      esac
    fi
  done <<<"$deps"
done

# Qt's own search: qt.conf names the folder's plugins, and they are all there is.
conf="$dir/bin/qt.conf"
[ -f "$conf" ] || fail "bin/qt.conf is missing: Qt would look for plugins on the system"
prefix="$(sed -n 's/^Prefix *= *//p' "$conf")"
plugins="$(sed -n 's/^Plugins *= *//p' "$conf")"
case "$prefix" in /*) fail "bin/qt.conf names the folder $prefix, not one inside the download" ;; esac
[ -d "$dir/bin/$prefix/$plugins/platforms" ] ||
  fail "bin/qt.conf points at $prefix/$plugins, where there are no platform plugins"

# Qt's own texts in every language the program speaks, where it looks first: beside it.
problem="$("$(dirname "$0")/qt-texts.sh" check "$dir/bin/translations" 2>&1)" ||
  fail "${problem#qt-texts: }"

# What is loaded when the program starts: every plugin from the folder.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH QT_QPA_PLATFORM=offscreen \
  QT_DEBUG_PLUGINS=1 XDG_CONFIG_HOME="$(mktemp -d)" timeout 10 "$dir/bin/velmira" >"$log" 2>&1 &
pid=$!
# Up once its window's platform is loaded (or after five seconds).
for _ in $(seq 50); do
  grep -q 'platforms/[^"]*" loaded library' "$log" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
sleep 0.5
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
grep -q '" loaded library' "$log" || fail "the program loaded no plugin: $(tail -3 "$log")"
outside="$(grep -o '"[^"]*" loaded library' "$log" | sed 's/^"//; s/" loaded library$//' |
  while read -r p; do case "$(readlink -f "$p")" in "$dir"/*) ;; *) echo "$p" ;; esac; done)"
[ -z "$outside" ] || fail "plugins loaded from outside the folder: $outside"
searched="$({ grep -o 'checking directory path "[^"]*"' "$log" || true; } | sed 's/.*path "//; s/"$//' |
  while read -r p; do case "$(readlink -f "$p")" in "$dir"/*) ;; *) echo "$p" ;; esac; done | sort -u)"
[ -z "$searched" ] || fail "plugins are looked for outside the folder: $searched"

# The newest C library and C++ run-time symbols needed.
symbols="$(for f in "${elves[@]}"; do objdump -T "$f"; done | grep -o 'GLIBC\(XX\)\?_[0-9.]*' | sort -u)"
newest() { grep "^$1[0-9]" <<<"$symbols" | sed "s/^$1//" | sort -uV | tail -1 || true; }
glibc="$(newest GLIBC_)"
glibcxx="$(newest GLIBCXX_)"
newer() { [ "$(printf '%s\n%s\n' "$1" "$2" | sort -V | tail -1)" != "$2" ]; }
newer "$glibc" "$max_glibc" && fail "needs GLIBC_$glibc, newer than GLIBC_$max_glibc"
newer "${glibcxx:-0}" "$max_glibcxx" && fail "needs GLIBCXX_$glibcxx, newer than GLIBCXX_$max_glibcxx"
echo "check-portable: ${#elves[@]} programs, libraries and plugins; newest needed GLIBC_$glibc, GLIBCXX_${glibcxx:-none}"
