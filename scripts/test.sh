#!/usr/bin/env bash
# Installs what is needed, builds Velmira with warnings as errors and runs the whole test suite.
#   scripts/test.sh              the ordinary build
#   scripts/test.sh --sanitize   the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" test
build="$top/build-test"
options=(-DCMAKE_BUILD_TYPE=Debug -DVELMIRA_WERROR=ON -DVELMIRA_BENCH=ON)
leave_out=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$top/build-asan"
  options=(-DCMAKE_BUILD_TYPE=Debug -DVELMIRA_WERROR=ON -DVELMIRA_SANITIZE=ON -DVELMIRA_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The scripts' own tests run none of the program's code; the ordinary run has them.
  leave_out=(-LE scripts)
fi
cmake -S "$top" -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j 2 "${leave_out[@]}"
