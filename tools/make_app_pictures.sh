#!/usr/bin/env bash
# Draws the pictures the program's windows name (splash background, logos, the
# title tree's small images) into a folder, with ImageMagick on the build machine;
# nothing drawn here is committed.
#   tools/make_app_pictures.sh <out-folder>
set -euo pipefail
out=$1
mkdir -p "$out"
fonts=/usr/share/fonts/truetype/liberation
bold=$fonts/LiberationSans-Bold.ttf
regular=$fonts/LiberationSans-Regular.ttf
accent='#2563EB'
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The splash background, 553 x 260: a deep blue field lit from the upper left, a
# stylised disc at the right, a thin accent line above the status strip.
convert -size 1100x760 radial-gradient:'#30507E'-'#0E1624' -crop 553x260+400+300 +repage \
  -fill none -stroke '#FFFFFF22' -strokewidth 18 -draw 'circle 470,118 470,18' \
  -stroke '#FFFFFF18' -strokewidth 2 -draw 'circle 470,118 470,60' \
  -fill '#FFFFFF30' -stroke none -draw 'circle 470,118 470,104' \
  -fill "$accent" -draw 'rectangle 0,214 553,216' \
  -font "$regular" -pointsize 15 -fill '#B8C7DC' -annotate +34+122 'DVD titles to audio and video files' \
  -quality 92 "$tmp/splash.jpg"
mv "$tmp/splash.jpg" "$out/splash.jpg"

# A logo: the product name with an accent tag, on a clear background, written as
# a PNG with its physical size and a text chunk. White for the dark splash, dark
# slate for the light target bar of the main window.
logo() {
  local file=$1 tag=$2 ink=${3:-white}
  convert -size 300x56 xc:none \
    -font "$bold" -pointsize 38 -fill "$ink" -annotate +0+42 'Varnel' \
    -fill "$accent" -draw "roundrectangle 142,10 $((150 + ${#tag} * 19)),50 6,6" \
    -font "$bold" -pointsize 28 -fill white -annotate +150+41 "$tag" \
    -trim +repage -units PixelsPerInch -density 96 \
    -set comment "Varnel Revo logo" -define png:color-type=6 "PNG32:$tmp/$file"
  mv "$tmp/$file" "$out/$file"
}
logo logo_revo.png 'Revo'
logo logo_pro.png 'Revo Pro'
logo logo_revo_bar.png 'Revo' '#1E293B'
logo logo_pro_bar.png 'Revo Pro' '#1E293B'

# The empty title list's background, 396 x 240: a faint disc and the hint how to
# begin, on white so it sits on the list's own colour.
convert -size 396x240 xc:white \
  -fill none -stroke '#D5DEEA' -strokewidth 10 -draw 'circle 198,92 198,48' \
  -stroke '#E3E9F1' -strokewidth 2 -draw 'circle 198,92 198,70' \
  -fill '#D5DEEA' -stroke none -draw 'circle 198,92 198,84' \
  -font "$bold" -pointsize 15 -fill '#5B6B80' -gravity north -annotate +0+160 'No source opened' \
  -font "$regular" -pointsize 12 -fill '#8A97A8' -annotate +0+184 'Open a DVD, an IFO file or VOB files to begin' \
  -units PixelsPerInch -density 96 -define png:color-type=2 "PNG24:$tmp/filelist_background.png"
mv "$tmp/filelist_background.png" "$out/filelist_background.png"

# The idle preview, 320 x 240: a dark screen with a play mark, shown while no
# title is previewed.
convert -size 320x240 gradient:'#1E2733'-'#10151C' \
  -fill none -stroke '#3B4A5E' -strokewidth 3 -draw 'circle 160,108 160,76' \
  -fill '#3B4A5E' -stroke none -draw 'polygon 150,92 150,124 176,108' \
  -font "$regular" -pointsize 13 -fill '#7D8DA3' -gravity north -annotate +0+160 'Preview' \
  -type TrueColor "BMP3:$tmp/no_preview.bmp"
mv "$tmp/no_preview.bmp" "$out/no_preview.bmp"

# The title tree's small images, 16 x 16 each in one strip of eleven, on magenta
# that the program makes transparent: 0 title, 1 chapter, 2 DVD source, 3 IFO
# source, 4 unused, 5 unavailable title, 6 unchecked and 7 checked box, 8 collapse
# and 9 expand glyph, 10 VOB source. Drawn without smoothing, so no edge blends
# into the magenta. The boxes and glyphs sit where the tree takes their clicks.
key='#FF00FF'
icon() { local i=$1; shift; convert -size 16x16 xc:"$key" +antialias "$@" "$tmp/icon$i.png"; }
film() {  # a film frame (covering where a check box stands): frame, picture, holes colours
  icon "$1" -fill "$2" -draw 'rectangle 1,2 14,13' -fill "$3" -draw 'rectangle 2,5 13,10' \
    -fill "$4" -draw 'point 3,3' -draw 'point 6,3' -draw 'point 9,3' -draw 'point 12,3' \
    -draw 'point 3,12' -draw 'point 6,12' -draw 'point 9,12' -draw 'point 12,12'
}
page() {  # a page with a folded corner, then what is drawn on it
  icon "$1" -fill white -stroke '#64748B' -draw 'polygon 3,1 10,1 13,4 13,14 3,14' \
    -fill '#CBD5E1' -draw 'polygon 10,1 10,4 13,4' -stroke none "${@:2}"
}
box() {  # a check box, 12 x 12
  icon "$1" -fill white -stroke '#5B6B80' -draw 'rectangle 2,2 13,13' -stroke none "${@:2}"
}
glyph() {  # the expand and collapse glyph, 9 x 9
  icon "$1" -fill white -stroke '#7A8BA3' -draw 'rectangle 2,3 10,11' -stroke none \
    -fill '#1E3A66' -draw 'rectangle 4,7 8,7' "${@:2}"
}
film 0 '#1E3A66' '#93C5FD' white
icon 1 -fill '#F59E0B' -stroke '#B45309' -draw 'polygon 4,1 11,1 11,14 8,11 7,11 4,14'
icon 2 -fill '#CBD5E1' -stroke '#475569' -draw 'circle 7,7 7,1' -fill '#F1F5F9' -stroke '#94A3B8' \
  -draw 'circle 7,7 7,4' -fill "$key" -stroke '#475569' -draw 'circle 7,7 7,6'
page 3 -fill "$accent" -draw 'rectangle 5,5 11,5' -draw 'rectangle 5,8 11,8' -draw 'rectangle 5,11 9,11'
icon 4
film 5 '#9AA3B0' '#E2E6EC' white
box 6
box 7 -fill '#15803D' -draw 'line 4,7 6,9' -draw 'line 4,8 6,10' -draw 'line 6,9 11,4' -draw 'line 6,10 11,5'
glyph 8
glyph 9 -draw 'rectangle 6,5 6,9'
page 10 -fill '#16A34A' -draw 'polygon 6,5 6,12 11,8'
convert "$tmp"/icon{0,1,2,3,4,5,6,7,8,9,10}.png +append -type TrueColor "BMP3:$tmp/tree_icons.bmp"
mv "$tmp/tree_icons.bmp" "$out/tree_icons.bmp"
