#!/usr/bin/env bash
# Installs what is needed, builds Velmira and starts it.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" run
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMIRA_TESTS=OFF -DVELMIRA_BENCH=OFF
cmake --build "$top/build" --target velmira qlumpy
exec "$top/build/bin/velmira" "$@"
