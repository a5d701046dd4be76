#!/usr/bin/env bash
# Takes a screenshot of each window (main window with a sample library, File Locations, About,
# the sprays seen in games, the spray maker)
# on a virtual X display, so the program can be looked at without a desktop.
# Usage: screenshots.sh [OUTPUT_FOLDER]   (default: build/screenshots)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$top/build/screenshots}"
"$top/scripts/install-deps.sh" test
"$top/scripts/need-packages.sh" xdotool
cmake -S "$top" -B "$top/build" -G Ninja >/dev/null
cmake --build "$top/build" --target velmira qlumpy >/dev/null
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$top/scripts/make-sample.sh" "$scratch/sample" "$top/build/bin/qlumpy"
mkdir -p "$out"

cat > "$scratch/shoot.sh" <<SHOOT
set -e
export XDG_CONFIG_HOME="$scratch/sample/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "\$XDG_RUNTIME_DIR" && chmod 700 "\$XDG_RUNTIME_DIR"
"$top/build/bin/velmira" &
pid=\$!
for i in \$(seq 50); do xdotool search --name "Velmira v0.4.1" >/dev/null 2>&1 && break; sleep 0.2; done
win=\$(xdotool search --name "Velmira v0.4.1" | head -1)
xdotool windowfocus --sync "\$win" 2>/dev/null || true
# Choose the first spray so the preview shows it.
xdotool key --window "\$win" Tab; sleep 0.3; xdotool key --window "\$win" Down; sleep 0.5
import -window root "$out/main-window.png"
xdotool key --window "\$win" alt+f; sleep 0.4; xdotool key f; sleep 0.8
import -window root "$out/file-locations.png"
xdotool key Escape; sleep 0.4
xdotool windowfocus --sync "\$win" 2>/dev/null || true
xdotool key --window "\$win" alt+h; sleep 0.4; xdotool key a; sleep 0.8
import -window root "$out/about.png"
xdotool key Escape; sleep 0.3
# The sprays seen in games, from the sample's caches; then the spray maker on the chosen
# picture, left open until the program ends.
xdotool windowfocus --sync "\$win" 2>/dev/null || true
xdotool key --window "\$win" ctrl+g; sleep 1.5
import -window root "$out/sprays-seen.png"
xdotool key Escape; sleep 0.5
xdotool windowfocus --sync "\$win" 2>/dev/null || true
xdotool key --window "\$win" ctrl+m; sleep 1.5
import -window root "$out/spray-maker.png"
kill \$pid
SHOOT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$scratch/shoot.sh"
echo "Screenshots in $out"
