#!/usr/bin/env bash
# Installs the Debian packages a task needs, and only those.
#   scripts/install-deps.sh run       building and running Velmira
#   scripts/install-deps.sh test      the above, and what the tests, benchmarks and demo need
#   scripts/install-deps.sh demo      "run", and ImageMagick for the sample pictures
#   scripts/install-deps.sh package   "run", and what cpack needs for the .deb
set -euo pipefail
# qt6-image-formats-plugins: Qt reads TGA, WebP and TIFF pictures with it.
# libheif-dev: HEIF pictures (the iPhone's HEIC); libheif-examples makes them for the tests.
# libwebp-dev and libtiff-dev: WebP and TIFF pictures read straight at their reduced size.
# zlib1g-dev: a PNG's data inflated where it lies, row by row.
# libclang-rt-dev: the sanitizers' run-time for the default clang (Debian 12 and 13 both have the
# unversioned name; a Debian 12 machine that already has clang 14's is left as it is).
# qt6-l10n-tools and qt6-tools-dev: lrelease and lupdate, which make and check the translations;
# qt6-translations-l10n: Qt's own texts (standard buttons, file dialogs) in the player's language.
run=(cmake ninja-build g++ pkg-config qt6-base-dev libimagequant-dev qt6-image-formats-plugins
  libheif-dev libwebp-dev libtiff-dev zlib1g-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" libgtest-dev libbenchmark-dev clang
                  "libclang-rt-dev|libclang-rt-14-dev" xvfb xauth imagemagick patchelf binutils
                  libheif-examples desktop-file-utils) ;;
  demo) packages=("${run[@]}" imagemagick) ;;
  package) packages=("${run[@]}" file dpkg-dev) ;;
  *) echo "usage: $0 run|test|demo|package" >&2; exit 2 ;;
esac
exec "$(dirname "$0")/need-packages.sh" "${packages[@]}"
