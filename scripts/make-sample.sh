#!/usr/bin/env bash
# Lays out a sample Half-Life folder and a sample spray library in a scratch folder, and a
# scratch settings location that points at them. Usage: make-sample.sh SCRATCH QLUMPY
set -euo pipefail
scratch="$1"
qlumpy="$2"
rm -rf "$scratch"
hl="$scratch/Half-Life"
sprays="$scratch/Sprays"

# The game: its executable, some mods, and folders that are not mods.
mkdir -p "$hl"
printf 'MZ sample game' > "$hl/hl.exe"
for mod in valve cstrike tfc dmc "Natural Selection" gearbox; do mkdir -p "$hl/$mod/dlls"; done
for other in logos gldrv auth; do mkdir -p "$hl/$other/dlls"; done
mkdir -p "$hl/maps_only/maps"

# The library: 8-bit bitmaps of allowed sizes, in categories, and a ready-made WAD.
mkdir -p "$sprays/Funny" "$sprays/Clan" "$sprays/Classic"
convert -size 112x128 plasma:tomato-gold -colors 200 -type Palette BMP3:"$sprays/sunset.bmp"
convert -size 128x112 gradient:navy-cyan -fill white -draw "circle 64,56 64,20" -colors 200 -type Palette BMP3:"$sprays/moon.bmp"
convert -size 96x96 xc:white -fill red -draw "rectangle 16,16 80,80" -fill yellow -draw "circle 48,48 48,30" -colors 64 -type Palette BMP3:"$sprays/Funny/target.bmp"
convert -size 112x112 radial-gradient:lime-darkgreen -colors 200 -type Palette BMP3:"$sprays/Clan/badge.bmp"
convert -size 128x96 pattern:checkerboard -colors 16 -type Palette BMP3:"$sprays/Classic/checkers.bmp"
convert -size 64x64 plasma:purple-orange -colors 200 -type Palette BMP3:"$sprays/Clan/emblem.bmp"
printf '$DEST "%s"\r\n\r\n$loadbmp "%s"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n' "$sprays/Clan/emblem.wad" "$sprays/Clan/emblem.bmp" > "$scratch/emblem.ls"
"$qlumpy" "$scratch/emblem.ls" > /dev/null
rm -f "$scratch/emblem.ls" "$sprays/Clan/emblem.bmp"

# The game's caches of sprays seen on servers (custom.hpk): a few sprays compiled from
# pictures, one of them seen in two mods.
le32() {  # a little-endian 32-bit number, as printf escapes
  printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) \
    $((($1 >> 16) & 255)) $((($1 >> 24) & 255))
}
make_cache() {  # make_cache OUT WAD...
  local out=$1; shift
  local data="$scratch/cache.data" dir="$scratch/cache.dir" offset=12 size md5
  : > "$data"
  printf "$(le32 $#)" > "$dir"
  for wad in "$@"; do
    size=$(stat -c %s "$wad")
    md5=$(md5sum "$wad" | cut -c1-32 | sed 's/../\\x&/g')
    { printf 'tempdecal.wad'; head -c 51 /dev/zero
      printf "$(le32 3)$(le32 0)$(le32 "$size")\\x04$md5"
      head -c 35 /dev/zero
      printf "$(le32 3735928559)$(le32 3735928559)$(le32 "$offset")$(le32 "$size")"; } >> "$dir"
    cat "$wad" >> "$data"
    offset=$((offset + size))
  done
  { printf "HPAK$(le32 1)$(le32 "$offset")"; cat "$data" "$dir"; } > "$out"
  rm -f "$data" "$dir"
}
seen=()
for picture in "64x64 plasma:red-yellow" "64x64 radial-gradient:white-blue" "96x64 gradient:green-black" "32x32 xc:orange"; do
  n=${#seen[@]}
  convert -size ${picture% *} ${picture#* } -colors 200 -type Palette BMP3:"$scratch/seen$n.bmp"
  printf '$DEST "%s"\r\n\r\n$loadbmp "%s"\r\nVELMR  miptex -1 -1 -1 -1\r\n\r\n' "$scratch/seen$n.wad" "$scratch/seen$n.bmp" > "$scratch/seen.ls"
  "$qlumpy" "$scratch/seen.ls" > /dev/null
  seen+=("$scratch/seen$n.wad")
done
make_cache "$hl/valve/custom.hpk" "${seen[0]}" "${seen[1]}" "${seen[2]}"
make_cache "$hl/cstrike/custom.hpk" "${seen[2]}" "${seen[3]}"
rm -f "$scratch"/seen*.bmp "$scratch"/seen*.wad "$scratch/seen.ls"

# The settings, in a location of their own.
mkdir -p "$scratch/config/Velmira"
cat > "$scratch/config/Velmira/Velmira.conf" <<CONF
[File%20Locations]
HLDir=$hl
BMPDir=$sprays

[Preferences]
ShowPreview=True
CONF
