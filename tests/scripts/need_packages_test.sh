#!/usr/bin/env bash
# Runs scripts/need-packages.sh against fake apt-get, apt-cache, sudo, dpkg-query and id, as root
# and as a plain user, with packages missing and with none missing, with alternatives, and checks
# what would have been run, and that nothing reached standard output (apt's chatter included).
set -uo pipefail
script="$(cd "$(dirname "$0")/../../scripts" && pwd)/need-packages.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The tools the script may use, and nothing else: no real sudo or apt-get can be reached.
mkdir -p "$scratch/tools" "$scratch/fakes"
for tool in bash env grep basename cat echo seq; do
  ln -s "$(command -v "$tool")" "$scratch/tools/$tool"
done
cat > "$scratch/fakes/id" <<'FAKE'
#!/usr/bin/env bash
echo "${FAKE_UID:-0}"
FAKE
cat > "$scratch/fakes/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
package="${!#}"
case " $FAKE_INSTALLED " in
  *" $package "*) echo -n "install ok installed" ;;
  *) echo "dpkg-query: no packages found matching $package" >&2; exit 1 ;;
esac
FAKE
cat > "$scratch/fakes/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "apt-get $* as uid ${FAKE_UID:-0} front end ${DEBIAN_FRONTEND:-none}" >> "$FAKE_LOG"
# What the real one prints on standard output while it installs.
echo "Selecting previously unselected package meson."
echo "(Reading database ... 12345 files and directories currently installed.)"
FAKE
cat > "$scratch/fakes/apt-cache" <<'FAKE'
#!/usr/bin/env bash
# Like "apt-cache policy NAME": a candidate only for the packages this release offers.
[ "$1" = policy ] || exit 100
echo "$2:"
echo "  Installed: (none)"
case " $FAKE_OFFERED " in
  *" $2 "*) echo "  Candidate: 1.0-1" ;;
  *) echo "  Candidate: (none)" ;;
esac
# The version table: long enough that a reader who stops at the candidate cuts it off.
for i in $(seq 20000); do echo "     1.0-$i 500"; done
FAKE
cat > "$scratch/fakes/sudo" <<'FAKE'
#!/usr/bin/env bash
# Like sudo: runs the command as root with a reset environment.
echo "sudo $*" >> "$FAKE_LOG"
exec env -i PATH="$PATH" FAKE_LOG="$FAKE_LOG" FAKE_UID=0 "$@"
FAKE
chmod +x "$scratch/fakes"/*

passed=0
failed=0
# check NAME UID WITH_SUDO INSTALLED EXPECTED_STATUS EXPECTED_LOG [PACKAGE...]
#   (default packages: cmake qt6-base-dev xvfb; FAKE_OFFERED names what apt-cache offers)
check() {
  local name=$1 uid=$2 with_sudo=$3 installed=$4 want_status=$5 want_log=$6
  shift 6
  [ $# -gt 0 ] || set -- cmake qt6-base-dev xvfb
  local path="$scratch/fakes:$scratch/tools" log="$scratch/log" status
  [ "$with_sudo" = yes ] || { mkdir -p "$scratch/nosudo"; cp "$scratch/fakes"/{id,dpkg-query,apt-get,apt-cache} \
    "$scratch/nosudo/"; path="$scratch/nosudo:$scratch/tools"; }
  : > "$log"
  env -i PATH="$path" FAKE_UID="$uid" FAKE_INSTALLED="$installed" FAKE_LOG="$log" \
    FAKE_OFFERED="${FAKE_OFFERED:-}" bash "$script" "$@" > "$scratch/stdout" 2> "$scratch/out"
  status=$?
  cat "$scratch/stdout" >> "$scratch/out"
  if [ "$status" -eq "$want_status" ] && [ "$(cat "$log")" = "$want_log" ] &&
     [ ! -s "$scratch/stdout" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name (status $status, wanted $want_status; standard output: $(wc -c < "$scratch/stdout") bytes)"
    echo "--- ran:"; cat "$log"; echo "--- wanted:"; echo "$want_log"; echo "--- said:"
    cat "$scratch/out"
  fi
}

all="cmake qt6-base-dev xvfb"
check "root, two missing" 0 no "qt6-base-dev" 0 \
"apt-get update -qq as uid 0 front end noninteractive
apt-get install -y -qq --no-install-recommends cmake xvfb as uid 0 front end noninteractive"
check "root, none missing" 0 no "$all" 0 ""
check "user with sudo, one missing" 1000 yes "cmake xvfb" 0 \
"sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
apt-get update -qq as uid 0 front end noninteractive
sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qt6-base-dev
apt-get install -y -qq --no-install-recommends qt6-base-dev as uid 0 front end noninteractive"
check "user with sudo, none missing" 1000 yes "$all" 0 ""
check "user without sudo, one missing" 1000 no "cmake xvfb" 1 ""
grep -q "qt6-base-dev" "$scratch/out" || { failed=$((failed + 1)); echo "FAILED: no package named"; }

# Alternatives: one installed is enough; else the first the release offers; none offered fails.
check "alternative installed" 0 no "cmake old-name" 0 "" cmake "new-name|old-name"
FAKE_OFFERED="old-name" check "only the second offered" 0 no "cmake" 0 \
"apt-get update -qq as uid 0 front end noninteractive
apt-get install -y -qq --no-install-recommends old-name as uid 0 front end noninteractive" \
  cmake "new-name|old-name"
FAKE_OFFERED="new-name old-name" check "both offered: the first" 0 no "" 0 \
"apt-get update -qq as uid 0 front end noninteractive
apt-get install -y -qq --no-install-recommends cmake new-name as uid 0 front end noninteractive" \
  cmake "new-name|old-name"
FAKE_OFFERED="cmake" check "none offered" 0 no "" 1 \
"apt-get update -qq as uid 0 front end noninteractive" cmake "new-name|old-name"
grep -q "new-name|old-name" "$scratch/out" || { failed=$((failed + 1)); echo "FAILED: alternatives not named"; }

echo "need-packages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
