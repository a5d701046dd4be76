#!/usr/bin/env bash
# Takes a screenshot of "Check Sprays..." over the sample game folder, changed so that each check
# fails once: cstrike uploads off, dmc downloads off, tfc a spray too large for every server,
# valve unprotected (and, as a Xash3D folder, its logo format bmp), gearbox a large cache,
# Natural Selection no spray.
# Usage: screenshot-check.sh [OUTPUT_FOLDER]   (default: build/screenshots)
#        VELMIRA_BUILD=<build folder> uses a build already made (default: build, built here).
#        VELMIRA_WINDOWS_BUILD=<build folder> (scripts/build-windows.sh's build-windows) also
#        shoots velmira.exe under Wine, as check-sprays-wine.png.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$top/build/screenshots}"
build="${VELMIRA_BUILD:-$top/build}"
"$top/scripts/need-packages.sh" xvfb xauth xdotool imagemagick
if [ -z "${VELMIRA_BUILD:-}" ]; then
  "$top/scripts/install-deps.sh" test
  cmake -S "$top" -B "$build" -G Ninja >/dev/null
  cmake --build "$build" --target velmira qlumpy >/dev/null
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$top/scripts/make-sample.sh" "$scratch/sample" "$build/bin/qlumpy"
hl="$scratch/sample/Half-Life"
sprays="$scratch/sample/Sprays"
mkdir -p "$out"

# The sprays: the sample's 64 x 64 emblem in four mods (read-only but valve's), a 128 x 96 one
# in tfc, none in Natural Selection.
for mod in cstrike dmc gearbox valve; do cp "$sprays/Clan/emblem.wad" "$hl/$mod/tempdecal.wad"; done
printf '$DEST "%s"\r\n\r\n$loadbmp "%s"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n' \
  "$hl/tfc/tempdecal.wad" "$sprays/Classic/checkers.bmp" > "$scratch/tfc.ls"
"$build/bin/qlumpy" "$scratch/tfc.ls" >/dev/null
chmod 444 "$hl"/{cstrike,dmc,gearbox,tfc}/tempdecal.wad
# The settings the game keeps.
printf '// This file is overwritten whenever you change your user settings in the game.\r\nunbindall\r\nbind "t" "impulse 201"\r\ncl_allowupload "0"\r\ncl_logofile "lambda"\r\nexec userconfig.cfg\r\n' \
  > "$hl/cstrike/config.cfg"
printf 'cl_allowdownload 0 // no downloads on slow links\n' > "$hl/dmc/userconfig.cfg"
# A cache grown past 2 MB: the same spray seen 450 times.
wads=()
for i in $(seq 450); do wads+=("$sprays/Clan/emblem.wad"); done
size=$(stat -c %s "$sprays/Clan/emblem.wad")
{
  printf 'HPAK\x01\x00\x00\x00'
  offset=$((12 + size * 450))
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((offset & 255)) $(((offset >> 8) & 255)) $(((offset >> 16) & 255)) $(((offset >> 24) & 255)))"
  for wad in "${wads[@]}"; do cat "$wad"; done
  printf '\xc2\x01\x00\x00'
  md5=$(md5sum "$sprays/Clan/emblem.wad" | cut -c1-32 | sed 's/../\\x&/g')
  for i in $(seq 0 449); do
    at=$((12 + size * i))
    printf 'tempdecal.wad'; head -c 51 /dev/zero
    printf "\\x03\\x00\\x00\\x00\\x00\\x00\\x00\\x00$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((size & 255)) $(((size >> 8) & 255)) 0 0)\\x04$md5"
    head -c 35 /dev/zero
    printf '\xef\xbe\xad\xde\xef\xbe\xad\xde'
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((at & 255)) $(((at >> 8) & 255)) $(((at >> 16) & 255)) $(((at >> 24) & 255)))"
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((size & 255)) $(((size >> 8) & 255)) 0 0)"
  done
} > "$hl/gearbox/custom.hpk"
# A Xash3D FWGS folder, where Velmira wrote valve's logo.
printf '#!/bin/sh\n' > "$hl/xash3d" && chmod +x "$hl/xash3d"
printf 'MZ sample engine' > "$hl/xash3d.exe"
hash=$(sha256sum "$sprays/Clan/emblem.wad" | cut -c1-64)
cat >> "$scratch/sample/config/Velmira/Velmira.conf" <<CONF

[Installed]
cstrike=$hash
dmc=$hash
gearbox=$hash
valve=$hash

[InstalledLogos]
valve=0000
CONF

cat > "$scratch/shoot.sh" <<SHOOT
set -e
export XDG_CONFIG_HOME="$scratch/sample/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "\$XDG_RUNTIME_DIR" && chmod 700 "\$XDG_RUNTIME_DIR"
"$build/bin/velmira" &
pid=\$!
for i in \$(seq 50); do xdotool search --name "Velmira v0.4.1" >/dev/null 2>&1 && break; sleep 0.2; done
win=\$(xdotool search --name "Velmira v0.4.1" | head -1)
xdotool windowfocus --sync "\$win" 2>/dev/null || true
xdotool key --window "\$win" ctrl+k; sleep 2
check=\$(xdotool search --name "Check Sprays" | head -1)
xdotool windowmove "\$check" 0 0 2>/dev/null || true
sleep 0.5
import -window root "$out/check-sprays.png"
kill \$pid
SHOOT
xvfb-run -a -s "-screen 0 1280x720x24" bash "$scratch/shoot.sh"

if [ -n "${VELMIRA_WINDOWS_BUILD:-}" ]; then
  "$top/scripts/need-packages.sh" wine wine64
  export WINEPREFIX="${VELMIRA_WINDOWS_CACHE:-$HOME/.cache/velmira-windows}/wineprefix"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
  cat > "$scratch/shoot-wine.sh" <<WINE
set -e
key='HKCU\\Software\\VB and VBA Program Settings\\Velmira'
wine reg add "\$key\\File Locations" /v HLDir /d "\$(winepath -w "$hl")" /f >/dev/null
wine reg add "\$key\\File Locations" /v BMPDir /d "\$(winepath -w "$sprays")" /f >/dev/null
for mod in cstrike dmc gearbox valve; do
  wine reg add "\$key\\Installed" /v \$mod /d $hash /f >/dev/null
done
wine reg add "\$key\\InstalledLogos" /v valve /d 0000 /f >/dev/null
wine "$VELMIRA_WINDOWS_BUILD/bin/velmira.exe" >/dev/null 2>&1 &
for i in \$(seq 300); do xdotool search --name "^Velmira v0.4.1\\\$" >/dev/null 2>&1 && break; sleep 0.1; done
win=\$(xdotool search --name "^Velmira v0.4.1\\\$" | head -1)
xdotool windowfocus --sync "\$win" 2>/dev/null || true
xdotool key --window "\$win" ctrl+k; sleep 4
check=\$(xdotool search --name "Check Sprays" | head -1)
xdotool windowmove "\$check" 0 0 2>/dev/null || true
sleep 1
import -window root "$out/check-sprays-wine.png"
wineserver -k || true
# The records made for the shot go again: the prefix is shared with the other Windows scripts.
wine reg delete "\$key\\Installed" /f >/dev/null 2>&1 || true
wine reg delete "\$key\\InstalledLogos" /f >/dev/null 2>&1 || true
WINE
  xvfb-run -a -s "-screen 0 1280x720x24" bash "$scratch/shoot-wine.sh"
  echo "Screenshot in $out/check-sprays-wine.png" >&2
fi
echo "Screenshot in $out/check-sprays.png" >&2
