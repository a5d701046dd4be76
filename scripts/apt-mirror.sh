#!/usr/bin/env bash
# Prints the Debian mirror this machine's apt sources use (the first "deb" entry for the main
# archive, not the security one), so that no script names a mirror of its own.
#   scripts/apt-mirror.sh [SOURCES_ROOT]   (default /etc/apt)
set -euo pipefail
root="${1:-/etc/apt}"
{
  # One-line entries: deb [options] URI suite components...
  cat "$root/sources.list" "$root"/sources.list.d/*.list 2>/dev/null |
    sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\)[[:space:]].*/\2/p'
  # deb822 entries: the URIs of stanzas whose Types include "deb".
  for f in "$root"/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
         { deb = 0; uris = ""
           for (i = 1; i <= NF; i++) {
             if ($i ~ /^Types:.*(^|[[:space:]])deb([[:space:]]|$)/) deb = 1
             if ($i ~ /^URIs:/) { uris = $i; sub(/^URIs:[[:space:]]*/, "", uris) }
           }
           if (deb && uris != "") { split(uris, u, /[[:space:]]+/); print u[1] } }' "$f"
  done
} | grep -v -e '-security' -e '^#' | grep -m1 . || {
  echo "apt-mirror: no Debian mirror found in $root's sources" >&2
  exit 1
}
