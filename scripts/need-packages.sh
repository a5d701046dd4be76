#!/usr/bin/env bash
# Installs those of the named Debian packages that are not installed yet: the one place where
# the scripts install packages (each script keeps its own list). Works as root (a container, a
# CI runner) and as a user who may use sudo.
#   scripts/need-packages.sh PACKAGE...
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing missing packages: ${missing[*]}" >&2
# sudo resets the environment, so the non-interactive front end is passed through env; as root
# env runs the command itself.
if [ "$(id -u)" -eq 0 ]; then
  as_root=(env)
elif command -v sudo >/dev/null; then
  as_root=(sudo env)
else
  echo "$(basename "$0"): not root and no sudo: install these packages as root: ${missing[*]}" >&2
  exit 1
fi
"${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
