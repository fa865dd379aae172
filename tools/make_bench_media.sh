#!/usr/bin/env bash
# Makes the media the benchmarks read, with Debian's native ffmpeg and dvdauthor.
# Writes into <out-dir>:
#   dvd/VIDEO_TS/   one title: 60 s PAL, 720 x 576 MPEG-2 at DVD rates, AC-3 stereo 48 kHz
#   music44k.raw    60 s of stereo sound at 44.1 kHz, 16-bit little-endian (MP3 encoding)
#   frames.yuv      100 frames of 720 x 576 YUV 4:2:0 (video encoding)
#   sound48k.raw    4 s of stereo sound at 48 kHz, 16-bit little-endian (video encoding)
#   media.done      written last; a folder that has it is reused
#
#   tools/make_bench_media.sh <out-dir>
set -euo pipefail
out=$(realpath -m "${1:?usage: make_bench_media.sh <out-dir>}")
[ -f "$out/media.done" ] && exit 0
rm -rf "$out"
mkdir -p "$out/work"
ff=(ffmpeg -hide_banner -loglevel error -y)
# Two tones with some noise, so the encoders see more than a pure sine.
sound="aevalsrc=0.3*sin(2*PI*440*t)+0.05*(random(0)-0.5)|0.2*sin(2*PI*660*t)+0.05*(random(1)-0.5)"
picture="testsrc2=size=720x576:rate=25,noise=alls=12:allf=t"

"${ff[@]}" -f lavfi -i "$picture" -f lavfi -i "$sound:s=48000" -t 60 -target pal-dvd -aspect 4:3 \
  "$out/work/title.mpg"
cat > "$out/work/dvd.xml" <<XML
<dvdauthor dest="$out/dvd">
  <vmgm />
  <titleset>
    <titles>
      <video format="pal" aspect="4:3" resolution="720x576" />
      <audio format="ac3" lang="en" />
      <pgc>
        <vob file="$out/work/title.mpg" />
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
XML
VIDEO_FORMAT=PAL dvdauthor -x "$out/work/dvd.xml" > "$out/work/dvdauthor.log" 2>&1 ||
  { cat "$out/work/dvdauthor.log" >&2; exit 1; }

"${ff[@]}" -f lavfi -i "$sound:s=44100" -t 60 -f s16le -ac 2 "$out/music44k.raw"
"${ff[@]}" -f lavfi -i "$picture" -frames:v 100 -pix_fmt yuv420p -f rawvideo "$out/frames.yuv"
"${ff[@]}" -f lavfi -i "$sound:s=48000" -t 4 -f s16le -ac 2 "$out/sound48k.raw"

rm -rf "$out/work"
touch "$out/media.done"
