#!/usr/bin/env bash
# Downloads a Debian source package of this machine's release into a folder, adding a deb-src
# entry for bookworm once where the machine has none. apt checks the files against the signed
# source index; --unpack then unpacks it with Debian's own patches applied.
#   scripts/fetch-debian-source.sh [--unpack] PACKAGE FOLDER
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
unpack=0
if [ "${1:-}" = --unpack ]; then unpack=1; shift; fi
[ $# -eq 2 ] || { echo "usage: $(basename "$0") [--unpack] PACKAGE FOLDER" >&2; exit 2; }
package=$1 into=$2
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if ! grep -rqs "^Types:.*deb-src" /etc/apt/sources.list.d/ && \
   ! grep -qs "^deb-src" /etc/apt/sources.list; then
  echo "$(basename "$0"): adding a deb-src entry for bookworm" >&2
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$("$top/scripts/apt-mirror.sh")" |
    "${as_root[@]}" tee /etc/apt/sources.list.d/velmira-deb-src.sources >/dev/null
  "${as_root[@]}" apt-get update -qq
fi
mkdir -p "$into"
cd "$into"
apt-get source --download-only -qq "$package"
if [ $unpack -eq 1 ]; then
  dsc="$(ls "$package"_*.dsc | head -1)"
  # The signature was checked through apt's index; the unpacked folder is named by its version.
  dpkg-source --no-check -x "$dsc" >/dev/null
fi
