#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while on the fixture corpus.
#   fuzz/run.sh [SECONDS_EACH]   (default 20)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
build="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMIRA_FUZZ=ON -DVELMIRA_TESTS=OFF -DVELMIRA_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build "$build" --target fuzz_wad fuzz_lumpscript fuzz_bitmap fuzz_vdf fuzz_hpk fuzz_heif fuzz_exif \
  fuzz_picture fuzz_formats fuzz_config
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
run() {
  local target=$1 corpus=$2
  local work="$build/corpus-$target"
  mkdir -p "$work"
  "$build/bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=65536 \
    "$work" "$top/tests/fixtures/$corpus" 2>&1 | tail -3
}
run fuzz_wad wad
run fuzz_lumpscript script
run fuzz_bitmap bmp
run fuzz_vdf vdf
run fuzz_hpk hpk
run fuzz_heif heif
run fuzz_exif exif
run fuzz_picture picture
run fuzz_formats picture
run fuzz_config cfg
