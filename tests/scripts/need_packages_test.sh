#!/usr/bin/env bash
# Runs scripts/need-packages.sh against fake apt-get, sudo, dpkg-query and id, as root and as a
# plain user, with packages missing and with none missing, and checks what would have been run.
set -uo pipefail
script="$(cd "$(dirname "$0")/../../scripts" && pwd)/need-packages.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The tools the script may use, and nothing else: no real sudo or apt-get can be reached.
mkdir -p "$scratch/tools" "$scratch/fakes"
for tool in bash env grep basename cat echo; do
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
# check NAME UID WITH_SUDO INSTALLED EXPECTED_STATUS EXPECTED_LOG
check() {
  local name=$1 uid=$2 with_sudo=$3 installed=$4 want_status=$5 want_log=$6
  local path="$scratch/fakes:$scratch/tools" log="$scratch/log" status
  [ "$with_sudo" = yes ] || { mkdir -p "$scratch/nosudo"; cp "$scratch/fakes"/{id,dpkg-query,apt-get} \
    "$scratch/nosudo/"; path="$scratch/nosudo:$scratch/tools"; }
  : > "$log"
  env -i PATH="$path" FAKE_UID="$uid" FAKE_INSTALLED="$installed" FAKE_LOG="$log" \
    bash "$script" cmake qt6-base-dev xvfb > "$scratch/out" 2>&1
  status=$?
  if [ "$status" -eq "$want_status" ] && [ "$(cat "$log")" = "$want_log" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name (status $status, wanted $want_status)"
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

echo "need-packages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
