#!/usr/bin/env bash
# Lays out a self-contained folder from this build (scripts/portable-layout.sh) and checks that
# scripts/check-portable.sh passes it, and refuses it once each fault is planted: a library left
# out, a program that would not look in the folder first, plugins looked for on the system, no
# platform plugins, Qt's own texts in a language left out or not a translation file, a C library
# newer than allowed.
# Usage: portable_check_test.sh BUILD_BIN
set -uo pipefail
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
good="$scratch/good"
"$scripts/portable-layout.sh" "$1" "$good" || { echo "FAIL: the layout was not made"; exit 1; }
failed=0
expect() {  # expect pass|fail WHAT FOLDER [ARGS...]
  local want=$1 what=$2 folder=$3; shift 3
  local out
  out="$("$scripts/check-portable.sh" "$folder" "$@" 2>&1)"
  local got=$?
  if { [ "$want" = pass ] && [ $got -ne 0 ]; } || { [ "$want" = fail ] && [ $got -eq 0 ]; }; then
    echo "FAIL: $what: expected the check to $want: $out"
    failed=1
  else
    echo "ok: $what: ${out##*check-portable: }"
  fi
}
plant() {  # plant NAME: a copy of the good folder to plant a fault in (its files linked)
  cp -al "$good" "$scratch/$1"
  echo "$scratch/$1"
}
own() {  # own FILE: a file of a planted copy made its own before it is changed where it lies
  cp "$1" "$1.own" && mv "$1.own" "$1"
}
# The download is made on Debian 12, whose C library and C++ run-time are the floor the check
# holds it to; a build made on a newer system needs that system's, so the folder as laid out
# from this build is held to the newer of the two.
newer_of() { printf '%s\n%s\n' "$1" "$2" | sort -V | tail -1; }
glibc="$(getconf GNU_LIBC_VERSION | awk '{print $2}')"
libstdcxx="$(ldd "$1/velmira" | awk '/libstdc\+\+/ {print $3}')"
glibcxx="$(objdump -T "$libstdcxx" | grep -o 'GLIBCXX_[0-9.]*' | sed 's/^GLIBCXX_//' | sort -uV | tail -1)"
expect pass "the folder as laid out" "$good" "$(newer_of 2.35 "$glibc")" \
  "$(newer_of 3.4.30 "$glibcxx")"
f=$(plant no-gui); rm "$f/lib/libQt6Gui.so.6"
expect fail "Qt's GUI library left out" "$f"
f=$(plant no-runpath); own "$f/bin/velmira"; patchelf --remove-rpath "$f/bin/velmira"
expect fail "a program without a run-path" "$f"
f=$(plant system-plugins); sed -i 's|^Prefix.*|Prefix = /usr/lib/x86_64-linux-gnu/qt6|' "$f/bin/qt.conf"
expect fail "qt.conf pointing at the system's Qt" "$f"
f=$(plant no-conf); rm "$f/bin/qt.conf"
expect fail "no qt.conf" "$f"
f=$(plant no-platforms); rm -r "$f/plugins/platforms"
expect fail "no platform plugins" "$f"
f=$(plant no-russian); rm "$f/bin/translations/qtbase_ru.qm"
expect fail "Qt's own Russian texts left out" "$f"
f=$(plant not-a-translation); own "$f/bin/translations/qtbase_de.qm"
echo "not a translation" > "$f/bin/translations/qtbase_de.qm"
expect fail "Qt's own German texts not a translation file" "$f"
expect fail "a C library newer than allowed" "$good" 2.30
# No planted fault reached the good folder through a shared file.
expect pass "the folder as laid out, after the plants" "$good" "$(newer_of 2.35 "$glibc")" \
  "$(newer_of 3.4.30 "$glibcxx")"
exit $failed
