#!/usr/bin/env bash
# Builds Velmira and qlumpy (no tests, no benchmarks) and installs them.
#   scripts/install.sh [PREFIX]      default /usr/local, which needs administrator rights
#                                    (sudo is used for the install step when not root)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
prefix="${1:-/usr/local}"
"$top/scripts/install-deps.sh" run
build="$top/build-install"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DVELMIRA_TESTS=OFF -DVELMIRA_BENCH=OFF
cmake --build "$build" --target velmira qlumpy
as_root=()
if [ "$(id -u)" -ne 0 ] && ! { mkdir -p "$prefix" 2>/dev/null && [ -w "$prefix" ]; }; then
  as_root=(sudo)
fi
"${as_root[@]}" cmake --install "$build"
echo "Velmira is installed in $prefix; start it with: $prefix/bin/velmira"
