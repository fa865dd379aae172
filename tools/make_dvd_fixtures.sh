#!/usr/bin/env bash
# Makes the tiny DVD-Video folders the disc engine's tests open, with Debian's native
# ffmpeg, spumux and dvdauthor. Writes into <out-dir>:
#   dvd/VIDEO_TS/      two title sets, 352 x 288 PAL at 25 frames a second:
#     title 1 (set 1): 3.0 s, 4:3, chapters at 0, 1 and 2 s; audio 0 AC-3 stereo
#                      48 kHz English, audio 1 LPCM stereo 48 kHz French;
#                      subtitle 0 German with one picture from 0.5 s to 2.5 s
#     title 2 (set 2): 2.0 s, 16:9, chapters at 0 and 1 s; audio 0 MPEG-1 layer 2
#                      stereo 48 kHz Spanish; no subtitle
#   vob/               copies of the title VOBs and a file that is not MPEG
#   broken/            truncated IFO files and a disc whose second title set is missing
#   scrambled/         the disc with every pack marked as scrambled, as an encrypted
#                      disc reads without its keys
#   movie/VIDEO_TS/    a disc with titles long enough to be offered, three title sets,
#                      720 x 576 PAL at 25 frames a second:
#     title 1 (set 1): 8.0 s, 16:9, chapters at 0, 2, 4 and 6 s; audio 0 AC-3 stereo
#                      48 kHz English, audio 1 MPEG-1 layer 2 stereo 48 kHz Spanish;
#                      subtitle 0 German with one picture from 1 s to 7 s
#     title 2 (set 2): 6.0 s, 4:3, chapters at 0 and 3 s; audio 0 MPEG-1 layer 2
#                      stereo 48 kHz English
#     title 3 (set 3): 3.0 s, 4:3, one chapter; audio 0 LPCM stereo 48 kHz French
#   fixtures.done      written last
#
#   tools/make_dvd_fixtures.sh <out-dir>
set -euo pipefail
out=$(realpath -m "${1:?usage: make_dvd_fixtures.sh <out-dir>}")
work=$out/work
rm -rf "$out"
mkdir -p "$work" "$out/vob" "$out/broken"
export VIDEO_FORMAT=PAL
ff=(ffmpeg -hide_banner -loglevel fatal -y)

# Title 1: test picture, a 440 Hz tone (AC-3) and a 660 Hz tone (LPCM).
"${ff[@]}" -f lavfi -i "testsrc=size=352x288:rate=25" -f lavfi -i "sine=frequency=440:sample_rate=48000" \
  -f lavfi -i "sine=frequency=660:sample_rate=48000" -t 3 \
  -map 0:v -map 1:a -map 2:a -c:v mpeg2video -g 25 -bf 0 -b:v 400k -maxrate 9000k -bufsize 1835k \
  -aspect 4:3 -c:a:0 ac3 -b:a:0 192k -ac:a:0 2 -c:a:1 pcm_s16be -ac:a:1 2 -ar 48000 \
  -f dvd "$work/t1_av.mpg"

# Its subtitle: one small picture (white text box on transparent) from 0.5 s to 2.5 s.
"${ff[@]}" -f lavfi -i "color=c=white:size=160x32" -frames:v 1 \
  -vf "format=rgba,pad=352:288:96:220:color=black@0.0" "$work/sub.png"
cat > "$work/sub.xml" <<XML
<subpictures format="PAL">
  <stream>
    <spu start="00:00:00.50" end="00:00:02.50" image="$work/sub.png" force="no"/>
  </stream>
</subpictures>
XML
spumux -s 0 "$work/sub.xml" < "$work/t1_av.mpg" > "$work/t1.mpg" 2> "$work/spumux.log"

# Title 2: 16:9, one MPEG-1 layer 2 stream.
"${ff[@]}" -f lavfi -i "testsrc2=size=352x288:rate=25" -f lavfi -i "sine=frequency=550:sample_rate=48000" \
  -t 2 -map 0:v -map 1:a -c:v mpeg2video -g 25 -bf 0 -b:v 400k -maxrate 9000k -bufsize 1835k \
  -aspect 16:9 -c:a mp2 -b:a 192k -ac 2 -ar 48000 -f dvd "$work/t2.mpg"

cat > "$work/dvd.xml" <<XML
<dvdauthor dest="$out/dvd">
  <vmgm />
  <titleset>
    <titles>
      <video format="pal" aspect="4:3" resolution="352x288" />
      <audio format="ac3" lang="en" />
      <audio format="pcm" lang="fr" />
      <subpicture lang="de" />
      <pgc>
        <vob file="$work/t1.mpg" chapters="0,00:00:01,00:00:02" />
      </pgc>
    </titles>
  </titleset>
  <titleset>
    <titles>
      <video format="pal" aspect="16:9" resolution="352x288" widescreen="nopanscan" />
      <audio format="mp2" lang="es" />
      <pgc>
        <vob file="$work/t2.mpg" chapters="0,00:00:01" />
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
XML
dvdauthor -x "$work/dvd.xml" > "$work/dvdauthor.log" 2>&1 ||
  { cat "$work/dvdauthor.log" >&2; exit 1; }

vts=$out/dvd/VIDEO_TS
cp "$vts/VTS_01_1.VOB" "$out/vob/title1.vob"
cp "$vts/VTS_02_1.VOB" "$out/vob/title2.vob"
head -c 65536 /dev/urandom > "$out/vob/noise.vob"
printf 'not a video object\n' > "$out/vob/text.vob"

# Truncated IFO files: the disc's own, cut short.
head -c 100 "$vts/VIDEO_TS.IFO" > "$out/broken/VIDEO_TS.IFO"
head -c 300 "$vts/VTS_01_0.IFO" > "$out/broken/VTS_01_0.IFO"
# A disc whose second title set is gone.
mkdir -p "$out/broken/missing_vts/VIDEO_TS"
cp "$vts"/VIDEO_TS.* "$vts"/VTS_01_* "$out/broken/missing_vts/VIDEO_TS/"

# The encrypted look: the scrambling bits of every media pack's PES header set.
mkdir -p "$out/scrambled"
cp -r "$out/dvd/VIDEO_TS" "$out/scrambled/"
for vob in "$out"/scrambled/VIDEO_TS/VTS_*_1.VOB; do
  perl -e '
    open(my $f, "+<:raw", $ARGV[0]) or die "$ARGV[0]: $!";
    my $at = 0;
    while (read($f, my $b, 2048) == 2048) {
      if (substr($b, 0, 4) eq "\x00\x00\x01\xBA") {
        my $pes = 14 + (ord(substr($b, 13, 1)) & 7);
        my $id = ord(substr($b, $pes + 3, 1));
        my $flags = ord(substr($b, $pes + 6, 1));
        if (($id == 0xBD || ($id >= 0xC0 && $id <= 0xEF)) && ($flags & 0xC0) == 0x80) {
          substr($b, $pes + 6, 1) = chr($flags | 0x10);
          seek($f, $at, 0); print $f $b; seek($f, $at + 2048, 0);
        }
      }
      $at += 2048;
    }' "$vob"
done

# The movie disc. The program stream numbers its first MPEG audio stream 0 (0xC0),
# as the AC-3 stream is 0 (0x80); the disc wants the Spanish stream as number 1.
renumber_stream() {  # <file> <from id> <to id>: every PES packet of one stream
  perl -e '
    open(my $f, "+<:raw", $ARGV[0]) or die "$ARGV[0]: $!";
    my ($from, $to) = (hex($ARGV[1]), hex($ARGV[2]));
    my $at = 0;
    while (read($f, my $b, 2048) == 2048) {
      if (substr($b, 0, 4) eq "\x00\x00\x01\xBA") {
        my $p = 14 + (ord(substr($b, 13, 1)) & 7);
        my $changed = 0;
        while ($p + 6 <= 2048 && substr($b, $p, 3) eq "\x00\x00\x01") {
          if (ord(substr($b, $p + 3, 1)) == $from) { substr($b, $p + 3, 1) = chr($to); $changed = 1; }
          $p += 6 + unpack("n", substr($b, $p + 4, 2));
        }
        if ($changed) { seek($f, $at, 0); print $f $b; seek($f, $at + 2048, 0); }
      }
      $at += 2048;
    }' "$@"
}
mpeg2=(-c:v mpeg2video -g 25 -bf 0 -b:v 800k -maxrate 9000k -bufsize 1835k)
"${ff[@]}" -f lavfi -i "testsrc=size=720x576:rate=25" -f lavfi -i "sine=frequency=440:sample_rate=48000" \
  -f lavfi -i "sine=frequency=880:sample_rate=48000" -t 8 -map 0:v -map 1:a -map 2:a "${mpeg2[@]}" \
  -aspect 16:9 -c:a:0 ac3 -b:a:0 192k -ac:a:0 2 -c:a:1 mp2 -b:a:1 192k -ac:a:1 2 -ar 48000 \
  -f dvd "$work/m1_av.mpg"
renumber_stream "$work/m1_av.mpg" C0 C1
"${ff[@]}" -f lavfi -i "color=c=white:size=240x40" -frames:v 1 \
  -vf "format=rgba,pad=720:576:240:480:color=black@0.0" "$work/msub.png"
cat > "$work/msub.xml" <<XML
<subpictures format="PAL">
  <stream>
    <spu start="00:00:01.00" end="00:00:07.00" image="$work/msub.png" force="no"/>
  </stream>
</subpictures>
XML
spumux -s 0 "$work/msub.xml" < "$work/m1_av.mpg" > "$work/m1.mpg" 2> "$work/spumux_movie.log"
"${ff[@]}" -f lavfi -i "testsrc2=size=720x576:rate=25" -f lavfi -i "sine=frequency=550:sample_rate=48000" \
  -t 6 -map 0:v -map 1:a "${mpeg2[@]}" -aspect 4:3 -c:a mp2 -b:a 192k -ac 2 -ar 48000 -f dvd "$work/m2.mpg"
"${ff[@]}" -f lavfi -i "smptebars=size=720x576:rate=25" -f lavfi -i "sine=frequency=330:sample_rate=48000" \
  -t 3 -map 0:v -map 1:a "${mpeg2[@]}" -aspect 4:3 -c:a pcm_s16be -ac 2 -ar 48000 -f dvd "$work/m3.mpg"
cat > "$work/movie.xml" <<XML
<dvdauthor dest="$out/movie">
  <vmgm />
  <titleset>
    <titles>
      <video format="pal" aspect="16:9" resolution="720x576" widescreen="nopanscan" />
      <audio format="ac3" lang="en" />
      <audio format="mp2" lang="es" />
      <subpicture lang="de" />
      <pgc>
        <vob file="$work/m1.mpg" chapters="0,00:00:02,00:00:04,00:00:06" />
      </pgc>
    </titles>
  </titleset>
  <titleset>
    <titles>
      <video format="pal" aspect="4:3" resolution="720x576" />
      <audio format="mp2" lang="en" />
      <pgc>
        <vob file="$work/m2.mpg" chapters="0,00:00:03" />
      </pgc>
    </titles>
  </titleset>
  <titleset>
    <titles>
      <video format="pal" aspect="4:3" resolution="720x576" />
      <audio format="pcm" lang="fr" />
      <pgc>
        <vob file="$work/m3.mpg" />
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
XML
dvdauthor -x "$work/movie.xml" > "$work/dvdauthor_movie.log" 2>&1 ||
  { cat "$work/dvdauthor_movie.log" >&2; exit 1; }

rm -rf "$work"
touch "$out/fixtures.done"
