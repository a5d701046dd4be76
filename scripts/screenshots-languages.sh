#!/usr/bin/env bash
# Takes screenshots of the main window, File Locations, the sprays seen in games and the spray
# maker in each language named, on a virtual X display with a CJK font, as small 256-colour
# PNGs named <window>-<language>.png. "pseudo" stands for the pseudo-translation
# (scripts/pseudo-translation.sh): a text without its markers has no translation call.
#   scripts/screenshots-languages.sh [OUTPUT_FOLDER] [LANGUAGE...]
#   (default: docs/screenshots, ru de zh_CN; the build folder: $VELMIRA_BUILD, else build)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$top/docs/screenshots}"
shift || true
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(ru de zh_CN)
"$top/scripts/install-deps.sh" test
"$top/scripts/need-packages.sh" xdotool xvfb imagemagick fonts-noto-cjk
build="${VELMIRA_BUILD:-$top/build}"
cmake -S "$top" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target velmira qlumpy >/dev/null
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$top/scripts/make-sample.sh" "$scratch/sample" "$build/bin/qlumpy"
mkdir -p "$out"
pseudo=""
for code in "${languages[@]}"; do
  [ "$code" = pseudo ] && pseudo="$("$top/scripts/pseudo-translation.sh" "$scratch/pseudo/velmira_pseudo.qm")"
done

cat > "$scratch/shoot.sh" <<'SHOOT'
set -e
program=$1 sample=$2 out=$3 code=$4 qm=$5
run="$(mktemp -d)"
cp -r "$sample/config" "$run/config"
# The language as chosen from the menu; the pseudo-translation over English.
echo "Language=$([ "$code" = pseudo ] && echo en || echo "$code")" >> "$run/config/Velmira/Velmira.conf"
export XDG_CONFIG_HOME="$run/config" XDG_RUNTIME_DIR="$run/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
[ "$code" = pseudo ] && export VELMIRA_TRANSLATION="$qm"
"$program" &
pid=$!
for i in $(seq 50); do xdotool search --name "Velmira v" >/dev/null 2>&1 && break; sleep 0.2; done
win=$(xdotool search --name "Velmira v" | head -1)
# The newest window other than the main one: the dialog just opened.
newest() { xdotool search --onlyvisible --name '.' | grep -v "^$win\$" | tail -1; }
shoot() { import -window "$1" "$run/shot.png"; convert "$run/shot.png" -colors 256 PNG8:"$out/$2-$code.png"; }
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" Tab; sleep 0.3; xdotool key --window "$win" Down; sleep 0.8
shoot "$win" main-window
# The File menu's first item, whatever its letter in the language.
xdotool mousemove --window "$win" 15 10 click 1; sleep 0.5; xdotool key Down Return; sleep 1
shoot "$(newest)" file-locations
xdotool key Escape; sleep 0.4
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" ctrl+g; sleep 2
shoot "$(newest)" sprays-seen
xdotool key Escape; sleep 0.5
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" ctrl+m; sleep 2
shoot "$(newest)" spray-maker
kill $pid
rm -rf "$run"
SHOOT
for code in "${languages[@]}"; do
  xvfb-run -a -s "-screen 0 1280x900x24" \
    bash "$scratch/shoot.sh" "$build/bin/velmira" "$scratch/sample" "$out" "$code" "$pseudo"
done
echo "Screenshots in $out"
