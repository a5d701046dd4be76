#!/usr/bin/env bash
# Makes the Windows downloads from the Windows build (scripts/build-windows.sh), in
# build-windows/packages/:
#   velmira-<version>-win64.zip         a portable folder that runs where it is unpacked
#   velmira-<version>-win64-setup.exe   an installer made with NSIS, its pages in the player's
#                                       language (English and the seven the program speaks)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build-windows"
[ -f "$build/bin/velmira.exe" ] || "$top/scripts/build-windows.sh"
"$top/scripts/need-packages.sh" nsis zip qt6-translations-l10n

# The versions, from the one version number in CMakeLists.txt.
fileversion="$(sed -n 's/^project(Velmira VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")"
IFS=. read -r major minor patch tweak <<<"$fileversion"
version="$major.$minor.$tweak"
name="velmira-$version-win64"
out="$build/packages"
stage="$out/$name"
rm -rf "$out"
mkdir -p "$stage"

# The program folder: what the programs need to start, the help in every language it has, and
# nothing of the build.
cp "$build/bin/velmira.exe" "$build/bin/qlumpy.exe" "$build/bin/ReadMe.txt" \
   "$build/bin/Velmr04.html" "$build/bin/"Velmr04_*.html "$build/bin/"*.dll "$stage/"
cp -r "$build/bin/platforms" "$build/bin/styles" "$build/bin/imageformats" "$stage/"
cp "$top/LICENSE" "$stage/LICENSE"
# Qt's own texts in each language the program speaks, where it looks first: beside it.
"$top/scripts/qt-texts.sh" copy "$stage/translations"
x86_64-w64-mingw32-strip "$stage/"*.exe
(cd "$out" && zip -q -r -9 "$name.zip" "$name")

# The installer's file list: every file of the program folder, and the lines that remove
# exactly them.
files="$out/files.nsh"
{
  echo '!ifdef INSTALLING'
  (cd "$stage" && find . -type d ! -name . | sort) | while read -r d; do
    echo "  CreateDirectory \"\$INSTDIR\\${d#./}\""
  done
  (cd "$stage" && find . -type f | sort) | while read -r f; do
    f="${f#./}"; dir="$(dirname "$f")"
    [ "$dir" = . ] && dir="" || dir="\\${dir//\//\\}"
    echo "  SetOutPath \"\$INSTDIR$dir\""
    echo "  File \"$(cd "$stage" && pwd)/$f\""
  done
  echo '  SetOutPath "$INSTDIR"'
  echo '!endif'
  echo '!ifdef UNINSTALLING'
  (cd "$stage" && find . -type f | sort) | while read -r f; do
    f="${f#./}"
    echo "  Delete \"\$INSTDIR\\${f//\//\\}\""
  done
  (cd "$stage" && find . -type d ! -name . | sort -r) | while read -r d; do
    d="${d#./}"
    echo "  RMDir \"\$INSTDIR\\${d//\//\\}\""
  done
  echo '!endif'
} >"$files"
cp "$top/resources/velmira.ico" "$out/velmira.ico"
makensis -V2 -DVERSION="$version" -DFILEVERSION="$fileversion" -DSTAGE="$stage" \
  -DFILES="$files" -DOUTFILE="$out/$name-setup.exe" "$top/packaging/velmira.nsi"
ls -l "$out/$name.zip" "$out/$name-setup.exe"
