#!/usr/bin/env bash
# Checks the Windows downloads under Wine on a virtual X display (after package-windows.sh):
#  - velmira.exe from the zip starts and shows its main window "Velmira v<version>"; a
#    screenshot of it with a sample Half-Life folder and spray library is saved;
#  - qlumpy.exe from the zip writes byte for byte the WADs that the Linux build writes for the
#    same pictures (kept, scaled and reduced, one-colour), and the same spray, pixel for pixel,
#    of a HEIC photo, a WebP and a TIFF;
#  - a WebP in the spray library is listed and previewed (it is the one chosen in the screenshot);
#  - Qt's own texts are beside the program in every language it speaks;
#  - the installer installs silently with its Start-menu entry, and its uninstaller removes
#    what it installed;
#  - the start-up time of velmira.exe against a bare Qt window under Wine.
# Usage: check-windows-packages.sh [OUTPUT_FOLDER]   (default build-windows/check)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cache="${VELMIRA_WINDOWS_CACHE:-$HOME/.cache/velmira-windows}"
out="${1:-$top/build-windows/check}"
packages="$top/build-windows/packages"
zip="$(ls "$packages"/velmira-*-win64.zip)"
setup="$(ls "$packages"/velmira-*-win64-setup.exe)"
linux_qlumpy="${VELMIRA_LINUX_QLUMPY:-$top/build-test/bin/qlumpy}"
[ -x "$linux_qlumpy" ] || { echo "check: build the Linux qlumpy first (scripts/test.sh)"; exit 1; }
"$top/scripts/need-packages.sh" xdotool imagemagick unzip python3
export WINEPREFIX="$cache/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
rm -rf "$out" && mkdir -p "$out"
unzip -q "$zip" -d "$out"
program="$(ls -d "$out"/velmira-*-win64)"
version="$(basename "$program" | sed 's/velmira-\(.*\)-win64/\1/')"
# Qt's own texts in every language the program speaks, beside the program (the installer puts
# the same files in place: checked below).
"$top/scripts/qt-texts.sh" check "$program/translations"
echo "check: Qt's own texts are beside velmira.exe in every language"

# The same pictures through both compilers.
"$top/scripts/make-sample.sh" "$out/sample" "$linux_qlumpy" >/dev/null
pictures="$out/pictures"
mkdir -p "$pictures"
cp "$out/sample/Sprays/sunset.bmp" "$pictures/kept.bmp"
convert -size 300x200 plasma:red-blue -type TrueColor BMP3:"$pictures/photo.bmp"
convert -size 64x64 gradient:white-black -colors 256 -type Palette BMP3:"$pictures/logo.bmp"
# A phone's HEIC photo, stored on its side: read through the libheif DLLs beside qlumpy.exe.
cp "$top/tests/fixtures/heif/turned.heic" "$pictures/phone.heic"
# A browser's WebP and an editor's TIFF (Deflate-compressed, through zlib): read through Qt's
# plugins and the libwebp, libtiff and zlib DLLs beside qlumpy.exe.
convert -size 320x180 plasma:gold-purple -seed 3 -define webp:lossless=true "$pictures/web.webp"
convert -size 200x260 gradient:tomato-navy -seed 5 -compress zip "$pictures/scan.tiff"
# The WebP in the spray library too, where it comes first in the list.
cp "$pictures/web.webp" "$out/sample/Sprays/beach.webp"
# A spray's size and each pixel's colour (its palette's order left out): the Linux and Windows
# colour reductions may number a photo's few colours differently.
cat > "$out/colours.py" <<'PY'
import hashlib, struct, sys
d = open(sys.argv[1], "rb").read()
offset = struct.unpack("<I", d[struct.unpack("<I", d[8:12])[0]:][:4])[0]
w, h = struct.unpack("<II", d[offset + 16:offset + 24])
mips = struct.unpack("<4I", d[offset + 24:offset + 40])
palette = d[offset + mips[3] + (w // 8) * (h // 8) + 2:][:768]
pixels = b"".join(palette[3 * i:3 * i + 3] for i in d[offset + mips[0]:][:w * h])
print(w, h, hashlib.sha256(pixels).hexdigest())
PY

cat > "$out/run.sh" <<RUN
set -e
cd "$pictures"
for picture in kept.bmp photo.bmp logo.bmp phone.heic web.webp scan.tiff; do
  p=\${picture%.*}
  printf '\$DEST "%s.linux.wad"\r\n\r\n\$loadbmp "%s"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n' \$p \$picture > \$p.linux.ls
  printf '\$DEST "%s.windows.wad"\r\n\r\n\$loadbmp "%s"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n' \$p \$picture > \$p.windows.ls
  "$linux_qlumpy" \$p.linux.ls >/dev/null
  wine "$program/qlumpy.exe" \$p.windows.ls >/dev/null
  if [ \$p = phone ] || [ \$p = web ] || [ \$p = scan ]; then
    [ "\$(python3 "$out/colours.py" \$p.linux.wad)" = "\$(python3 "$out/colours.py" \$p.windows.wad)" ]
    echo "check: \$p: qlumpy.exe wrote the spray the Linux build writes, pixel for pixel"
    continue
  fi
  cmp \$p.linux.wad \$p.windows.wad
  echo "check: \$p: qlumpy.exe wrote the same bytes as the Linux build"
done

# The sample folders, stored where the Windows program keeps its settings.
key='HKCU\\Software\\VB and VBA Program Settings\\Velmira'
wine reg add "\$key\\File Locations" /v HLDir /d "\$(winepath -w "$out/sample/Half-Life")" /f >/dev/null
wine reg add "\$key\\File Locations" /v BMPDir /d "\$(winepath -w "$out/sample/Sprays")" /f >/dev/null
wine reg add "\$key\\Preferences" /v ShowPreview /d True /f >/dev/null

# Start-up: time to the first shown window, the program against a bare Qt window. A start whose
# window is not up within 60 s is counted as failed, and what Wine and the program printed kept.
time_to_window() {
  local title=\$1 log=\$2; shift 2
  local start=\$(date +%s%N) took=0
  wine "\$@" >"\$log" 2>&1 &
  while [ \$took -lt 60000 ]; do
    if xdotool search --name "^\$title\\\$" >/dev/null 2>&1; then
      echo \$(( (\$(date +%s%N) - start) / 1000000 ))
      return
    fi
    sleep 0.02
    took=\$(( (\$(date +%s%N) - start) / 1000000 ))
  done
  echo failed
}
# A start that failed is tried again once, after Wine's server is ended, and both are reported:
# a start lost once in Wine (seen on a loaded machine, the window never mapped) is not the
# program's fault; two in a row, or two of the three runs, are.
failures=0
for run in 1 2 3; do
  bare=\$(time_to_window "bare window" "$out/bare-\$run.log" "$top/build-windows/tests/bare_window.exe")
  wineserver -k; sleep 0.5
  main=\$(time_to_window "Velmira v$version" "$out/velmira-\$run.log" "$program/velmira.exe")
  if [ "\$main" = failed ]; then
    failures=\$((failures + 1))
    echo "check: start-up under Wine, run \$run: no window within 60 s; what it printed:"
    tail -20 "$out/velmira-\$run.log"
    wineserver -k; sleep 0.5
    main=\$(time_to_window "Velmira v$version" "$out/velmira-\$run-again.log" "$program/velmira.exe")
    if [ "\$main" = failed ]; then
      tail -20 "$out/velmira-\$run-again.log"
      echo "check: velmira.exe failed to start twice in a row"
      exit 1
    fi
  fi
  if [ \$run -lt 3 ]; then wineserver -k; sleep 0.5; fi
  echo "check: start-up under Wine, run \$run: velmira.exe \$main ms, bare Qt window \$bare ms"
done
[ \$failures -le 1 ] || { echo "check: velmira.exe failed to start \$failures times"; exit 1; }
win=\$(xdotool search --name "^Velmira v$version\\\$" | head -1)
[ -n "\$win" ] || { echo "check: no window captioned Velmira v$version"; exit 1; }
echo "check: velmira.exe shows its main window \"Velmira v$version\""
xdotool key --window "\$win" Tab; sleep 0.3; xdotool key --window "\$win" Down; sleep 1
import -window root "$out/main-window-wine.png"
# The category box must show its text "<Favorites>": with a font engine that draws no text in
# line edits the box is blank. Count the dark pixels where the text stands (80 x 14 pixels at
# the box's left, below the menu bar and the folder label).
eval "\$(xdotool getwindowgeometry --shell "\$win")"
dark=\$(convert "$out/main-window-wine.png" -crop 80x14+\$((X + 20))+\$((Y + 44)) +repage \\
  -colorspace Gray -threshold 50% -negate -format "%[fx:round(mean*w*h)]" info:)
echo "check: \$dark dark pixels where the category box shows <Favorites>"
[ "\$dark" -ge 40 ] || { echo "check: the category box shows no text"; exit 1; }
# The spray maker on the chosen spray.
xdotool key --window "\$win" ctrl+m; sleep 3
maker=\$(xdotool search --name "^Make Spray - " | head -1)
[ -n "\$maker" ] || { echo "check: Ctrl+M opened no spray maker"; exit 1; }
import -window root "$out/maker-wine.png"
echo "check: Ctrl+M opens the spray maker (screenshot in $out/maker-wine.png)"
# The sprays seen in games, from the sample's caches.
xdotool key --window "\$maker" Escape; sleep 1
xdotool key --window "\$win" ctrl+g; sleep 3
seen=\$(xdotool search --name "^Sprays Seen in Games\\\$" | head -1)
[ -n "\$seen" ] || { echo "check: Ctrl+G opened no window of sprays seen in games"; exit 1; }
import -window root "$out/seen-wine.png"
echo "check: Ctrl+G opens the sprays seen in games (screenshot in $out/seen-wine.png)"
wineserver -k; sleep 0.5

# The installer, silently, then its uninstaller.
wine "$setup" /S
wineserver -w
installed="\$WINEPREFIX/drive_c/Program Files/Velmira"
menu="\$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmira"
(cd "$program" && find . -type f | sort) > "$out/zip-files.txt"
(cd "\$installed" && find . -type f ! -name Uninstall.exe | sort) > "$out/installed-files.txt"
cmp "$out/zip-files.txt" "$out/installed-files.txt"
[ -f "\$menu/Velmira.lnk" ]
echo "check: the installer put every file of the program and a Start-menu entry in place"
wine "\$installed/Uninstall.exe" /S
wineserver -w
for i in \$(seq 50); do [ -e "\$installed" ] || break; sleep 0.2; done
[ ! -e "\$installed" ] && [ ! -e "\$menu" ]
echo "check: the uninstaller removed everything it installed"
RUN
xvfb-run -a -s "-screen 0 1280x900x24" bash "$out/run.sh"
echo "check: screenshot in $out/main-window-wine.png"
