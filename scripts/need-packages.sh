#!/usr/bin/env bash
# Installs those of the named Debian packages that are not installed yet: the one place where
# the scripts install packages (each script keeps its own list). Works as root (a container, a
# CI runner) and as a user who may use sudo. Prints nothing on standard output (apt's own
# output goes to standard error), so that a script handing back a value there may call it.
#   scripts/need-packages.sh PACKAGE...
# A PACKAGE may name alternatives, "NAME|OTHER|...", for a package Debian releases name
# differently: any one of them installed is enough; otherwise the first one the release offers
# (apt-cache) is installed.
set -euo pipefail
exec 1>&2
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for p in "$@"; do
  found=0
  IFS='|' read -r -a names <<<"$p"
  for name in "${names[@]}"; do installed "$name" && { found=1; break; }; done
  [ $found -eq 1 ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing missing packages: ${missing[*]}"
# sudo resets the environment, so the non-interactive front end is passed through env; as root
# env runs the command itself.
if [ "$(id -u)" -eq 0 ]; then
  as_root=(env)
elif command -v sudo >/dev/null; then
  as_root=(sudo env)
else
  echo "$(basename "$0"): not root and no sudo: install these packages as root: ${missing[*]}"
  exit 1
fi
"${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get update -qq
# Alternatives: the first name this release's package lists offer.
chosen=()
for p in "${missing[@]}"; do
  case "$p" in
    *'|'*)
      pick=""
      IFS='|' read -r -a names <<<"$p"
      for name in "${names[@]}"; do
        # Read whole first: grep -q would end apt-cache early, and pipefail take that for a no.
        policy="$(apt-cache policy "$name" 2>/dev/null)" || policy=""
        if grep -q 'Candidate: [^(]' <<<"$policy"; then
          pick=$name
          break
        fi
      done
      [ -n "$pick" ] || { echo "$(basename "$0"): this release offers none of: $p"; exit 1; }
      chosen+=("$pick") ;;
    *) chosen+=("$p") ;;
  esac
done
"${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "${chosen[@]}"
