#!/usr/bin/env bash
# Runs the Windows build of the whole test suite (scripts/build-windows.sh) under Wine, on a
# virtual X display (the suite uses Qt's "windows" platform there), and fails when a test fails.
#   VELMIRA_WINDOWS_CACHE   where the Wine prefix is kept (default ~/.cache/velmira-windows)
# Extra arguments go to the test program (for example --gtest_filter=Settings*).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_WINDOWS_CACHE:-$HOME/.cache/velmira-windows}"
build="$top/build-windows"
[ -f "$build/tests/velmira_tests.exe" ] || "$top/scripts/build-windows.sh"

"$top/scripts/need-packages.sh" wine wine64 xvfb xauth

# Wine looks for no add-ons and says nothing of its own; one prefix is kept for every run (a
# new one takes minutes to set up).
export WINEPREFIX="$cache/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
mkdir -p "$cache"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "test-windows: setting up the Wine prefix in $WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wineserver --wait || true
fi
# Programs the tests copy elsewhere (the compiler, the fake compiler) find their DLLs here.
export WINEPATH="$(winepath -w "$build/tests");$(winepath -w "$build/bin")"
cd "$build/tests"
xvfb-run -a -s "-screen 0 1024x768x24" wine "$build/tests/velmira_tests.exe" "$@"
