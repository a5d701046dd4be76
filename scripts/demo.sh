#!/usr/bin/env bash
# Builds Velmira, makes a sample Half-Life folder and spray library in a scratch folder, and
# starts the program on them with scratch settings: your own settings and game are untouched.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
scratch="${1:-$top/build/demo}"
"$top/scripts/install-deps.sh" demo
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMIRA_TESTS=OFF -DVELMIRA_BENCH=OFF
cmake --build "$top/build" --target velmira qlumpy
"$top/scripts/make-sample.sh" "$scratch" "$top/build/bin/qlumpy"
echo "Sample Half-Life folder and spray library in $scratch"
XDG_CONFIG_HOME="$scratch/config" exec "$top/build/bin/velmira"
