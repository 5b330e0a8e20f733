#!/usr/bin/env bash
# Draws korvanti's artwork with ImageMagick and writes it into
# korvanti/resources/: the stopwatch icon (32 x 32, 16 colours), the chip
# picture of the About box (260 x 184, 256 colours) and its title picture
# (184 x 89, 256 colours). The same ImageMagick and DejaVu fonts give the same
# bytes; the results are committed, so a build needs neither.
# Usage: tools/artwork/make-artwork.sh [OUTPUT-DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../korvanti/resources}
convert=/usr/bin/convert   # ImageMagick itself, not a stand-in earlier on PATH
year=2026
sans=DejaVu-Sans
bold=DejaVu-Sans-Bold
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Stopwatch: crown and side button, steel rim, white face with ticks, red
# hand at about eight seconds past. Drawn without anti-aliasing so that the
# 16-colour palette keeps clean edges.
"$convert" -size 32x32 xc:none +antialias \
  -fill '#808080' -stroke '#000000' -draw 'rectangle 13,1 18,4' \
  -fill '#c0c0c0' -stroke '#000000' -draw 'rectangle 14,4 17,6' \
  -fill '#808080' -stroke '#000000' -draw 'rotate 40 translate 21,-13 rectangle -2,0 2,4' \
  -fill '#000080' -stroke '#000000' -draw 'circle 16,19 16,6' \
  -fill '#ffffff' -stroke '#808080' -draw 'circle 16,19 16,8' \
  -stroke '#000000' -draw 'line 16,9 16,11' -draw 'line 16,27 16,29' \
  -draw 'line 6,19 8,19' -draw 'line 24,19 26,19' \
  -stroke '#ff0000' -draw 'line 16,19 22,13' \
  -stroke '#000000' -fill '#000000' -draw 'line 16,19 16,13' -draw 'rectangle 15,18 17,20' \
  -colors 16 +dither "$tmp/stopwatch.png"
"$convert" "$tmp/stopwatch.png" -type PaletteAlpha -colors 16 +dither "$out/stopwatch.ico"

# The chip: a processor package with gold pins on a circuit board, carrying
# the product name and the year.
pins=""
for i in $(seq 0 13); do
  x=$((52 + i * 11))
  pins+=" rectangle $x,14 $((x + 4)),30 rectangle $x,154 $((x + 4)),170"
done
for i in $(seq 0 9); do
  y=$((38 + i * 11))
  pins+=" rectangle 24,$y 46,$((y + 4)) rectangle 214,$y 236,$((y + 4))"
done
"$convert" -size 260x184 gradient:'#0f5132-#0a3622' \
  -stroke '#1d7a4c' -strokewidth 2 \
  -draw 'line 0,20 40,20 line 0,92 24,92 line 236,60 260,60 line 236,130 260,130 line 90,170 90,184 line 170,0 170,14' \
  -stroke none -fill '#d4a72c' -draw "$pins" \
  -fill '#2b2b2b' -draw 'roundrectangle 44,28 216,156 6,6' \
  -fill '#3a3a3a' -draw 'roundrectangle 52,36 208,148 4,4' \
  -fill '#8a8a8a' -draw 'circle 64,48 67,48' \
  -font "$bold" -pointsize 26 -fill '#f0f0f0' -gravity center -annotate +0-12 'Korvanti' \
  -font "$sans" -pointsize 13 -fill '#c8c8c8' -annotate +0+16 "KV-1000  $year" \
  -font "$sans" -pointsize 9 -fill '#9a9a9a' -annotate +0+36 'PC BENCHMARK' \
  +dither -colors 256 -type Palette -compress None "BMP3:$out/chip.bmp"

# The title: name, version, year and where to read more.
"$convert" -size 184x89 xc:'#ffffff' \
  -fill '#0a3622' -draw 'rectangle 0,0 183,3' \
  -font "$bold" -pointsize 24 -fill '#0f5132' -annotate +8+32 'Korvanti' \
  -font "$sans" -pointsize 11 -fill '#202020' -annotate +9+50 'Version 1.0.0' \
  -annotate +9+64 "(C) $year Korvanti" \
  -font "$sans" -pointsize 10 -fill '#505050' -annotate +9+81 'Please read the help file.' \
  +dither -colors 256 -type Palette -compress None "BMP3:$out/title.bmp"
