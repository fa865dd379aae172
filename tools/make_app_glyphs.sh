#!/usr/bin/env bash
# Draws the small pictures of the main window's buttons and sliders into a folder:
# each drawn at four times its size and scaled down, so edges are smooth, and
# written as an 8-bit RGBA PNG with its physical size and a text chunk.
#   tools/make_app_glyphs.sh <out-folder>
set -euo pipefail
out=$1
mkdir -p "$out"
ink='#334155'
accent='#2563EB'
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# glyph <file> <size> <ImageMagick draw arguments...>: the arguments draw on a
# canvas of 4 x size, in the ink colour unless they choose another.
glyph() {
  local file=$1 size=$2
  shift 2
  convert -size $((size * 4))x$((size * 4)) xc:none -fill "$ink" -stroke none "$@" \
    -filter box -resize "${size}x${size}" -units PixelsPerInch -density 96 \
    -set comment "Varnel Revo glyph" -define png:color-type=6 "PNG32:$tmp/$file"
  mv "$tmp/$file" "$out/$file"
}

# The preview buttons, 16 x 16.
glyph glyph_play.png 16 -fill "$accent" -draw 'polygon 14,8 54,32 14,56'
glyph glyph_stop.png 16 -draw 'roundrectangle 12,12 52,52 4,4'
glyph glyph_previous_chapter.png 16 -draw 'rectangle 8,12 15,52' -draw 'polygon 56,12 56,52 20,32'
glyph glyph_next_chapter.png 16 -draw 'polygon 8,12 8,52 44,32' -draw 'rectangle 49,12 56,52'
glyph glyph_jump_to.png 16 -draw 'rectangle 6,29 40,35' -draw 'polygon 34,18 50,32 34,46' -draw 'rectangle 52,10 58,54'

# The source buttons of the tool bar, 24 x 24.
glyph glyph_open_dvd.png 24 -fill none -stroke "$ink" -strokewidth 7 -draw 'circle 48,48 48,10' \
  -fill "$accent" -stroke none -draw 'circle 48,48 48,38'
glyph glyph_open_ifo.png 24 -fill none -stroke "$ink" -strokewidth 6 \
  -draw 'polyline 20,8 58,8 78,28 78,88 20,88 20,8' -draw 'polyline 58,8 58,28 78,28' \
  -stroke "$accent" -draw 'line 32,48 66,48' -draw 'line 32,64 66,64'
glyph glyph_open_vob.png 24 -fill none -stroke "$ink" -strokewidth 6 -draw 'roundrectangle 10,18 86,78 6,6' \
  -fill "$accent" -stroke none -draw 'polygon 38,32 64,48 38,64'

# The pictures beside the preview's sliders, 18 x 18: brightness, contrast,
# subtitle position and volume.
glyph picture_gain.png 18 -draw 'circle 36,36 36,22' -stroke "$ink" -strokewidth 5 \
  -draw 'line 36,4 36,12' -draw 'line 36,60 36,68' -draw 'line 4,36 12,36' -draw 'line 60,36 68,36' \
  -draw 'line 13,13 19,19' -draw 'line 53,53 59,59' -draw 'line 13,59 19,53' -draw 'line 53,19 59,13'
glyph picture_offset.png 18 -fill none -stroke "$ink" -strokewidth 5 -draw 'circle 36,36 36,8' \
  -fill "$ink" -stroke none -draw 'path "M 36,8 A 28,28 0 0,1 36,64 Z"'
glyph picture_subtitle_offset.png 18 -fill none -stroke "$ink" -strokewidth 5 -draw 'roundrectangle 6,10 66,62 6,6' \
  -fill "$accent" -stroke none -draw 'rectangle 16,42 56,48' -draw 'rectangle 22,30 50,35'
glyph picture_volume.png 18 -draw 'polygon 6,26 20,26 38,10 38,62 20,46 6,46' -fill none -stroke "$ink" \
  -strokewidth 5 -draw 'arc 30,20 56,52 -60,60' -draw 'arc 30,8 70,64 -60,60'

# The picture of the dialogs that explain something, 32 x 32.
glyph picture_info.png 32 -fill "$accent" -draw 'circle 64,64 64,8' -fill white \
  -draw 'circle 64,36 64,28' -draw 'roundrectangle 56,52 72,100 4,4'

# The DVD drive of the options dialog's drive list, 16 x 16, as an image list takes
# it: the picture on black and its mask, white where the list's colour shows.
glyph picture_dvd_drive.png 16 -fill '#64748B' -draw 'roundrectangle 2,14 62,50 5,5' \
  -fill '#E2E8F0' -draw 'rectangle 8,22 56,28' -fill "$accent" -draw 'circle 50,40 50,36'
convert "$out/picture_dvd_drive.png" -background black -alpha remove -alpha off -type truecolor \
  "BMP3:$tmp/picture_dvd_drive.bmp"
convert "$out/picture_dvd_drive.png" -alpha extract -threshold 50% -negate -type truecolor \
  "BMP3:$tmp/picture_dvd_drive_mask.bmp"
mv "$tmp/picture_dvd_drive.bmp" "$tmp/picture_dvd_drive_mask.bmp" "$out/"
rm "$out/picture_dvd_drive.png"

# The slider pictures also as bitmap data the image controls read: width and
# height as 32-bit little-endian integers, then the pixels as B, G, R, A bytes.
for picture in "$out"/picture_*.png; do
  size=$(identify -format '%w %h' "$picture")
  python3 -c 'import struct, sys; sys.stdout.buffer.write(struct.pack("<ii", *map(int, sys.argv[1:])))' $size \
    >"$tmp/data"
  convert "$picture" -depth 8 BGRA:- >>"$tmp/data"
  mv "$tmp/data" "${picture%.png}.b32"
done
