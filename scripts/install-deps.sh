#!/usr/bin/env bash
# Installs the Debian packages that building, testing and the demo need.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libimagequant-dev libgtest-dev
          libbenchmark-dev clang libclang-rt-14-dev xvfb xauth imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
