#!/usr/bin/env bash
# Runs every benchmark program under Wine, from any folder, then sets each engine
# figure beside Debian's native ffmpeg or lame doing the same work on the same media
# in the same run, and prints our time / native time. Every time is the median of
# several rounds. Not part of the tests.
# Where this machine runs no 32-bit programs, the 64-bit build's benchmarks run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

# shellcheck source=arch.sh
source "$root/scripts/arch.sh"
"$root/scripts/build.sh" "$build" i686
bench_build=$build
if [ "$TEST_ARCH" != i686 ]; then
  bench_build=$build/x64
  "$root/scripts/build.sh" "$bench_build" "$TEST_ARCH"
fi
media=$bench_build/bench-media
"$root/tools/make_bench_media.sh" "$media"
WINE_PREFIX_DIR=$bench_build/wineprefix
# shellcheck source=session.sh
source "$root/scripts/session.sh"

figures=$(mktemp)
native_out=$(mktemp -d)
# After session.sh's own clean-up (its EXIT trap stops Wine and the display).
trap 'rm -rf "$figures" "$native_out"; stop_session' EXIT
for bench in "$bench_build"/bench/*.exe; do
  echo "== $(basename "$bench")"
  # A benchmark that stops making progress is ended, so the others still run.
  timeout 900 "$VARNEL_WINE" "$bench" | tr -d '\r' | tee -a "$figures" || echo "$(basename "$bench") failed"
done

# The median of five runs of a command, in seconds: `median_seconds wall|cpu|enc command...`,
# its wall time, the processor time it spent (user and system), or the processor time
# ffmpeg's encoders spent (its -benchmark_all figures of every encode call).
median_seconds() {
  local measure=$1 times=() start TIMEFORMAT='%3U %3S'
  shift
  for _ in 1 2 3 4 5; do
    if [ $measure = enc ]; then
      times+=("$(ff_level=info ff_bench=-benchmark_all "$@" 2>&1 < /dev/null > /dev/null |
        awk '/^bench:.* encode_/ { s += $2 + $4 } END { printf "%.4f", s / 1e6 }')")
      continue
    fi
    start=$(date +%s.%N)
    local cpu
    cpu=$( { time "$@" < /dev/null > /dev/null 2>&1; } 2>&1 ) || { echo "native run failed: $*" >&2; echo 0; return; }
    if [ $measure = cpu ]; then
      times+=("$(awk -v c="$cpu" 'BEGIN { split(c, t, " "); printf "%.4f", t[1] + t[2] }')")
    else
      times+=("$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.4f", e - s }')")
    fi
  done
  printf '%s\n' "${times[@]}" | sort -g | sed -n 3p
}

ff=(ffmpeg -hide_banner -loglevel fatal -nostdin -y)
# ff for the video encoders, whose benchmark figures need ffmpeg's informative messages.
ff_video() { ffmpeg -hide_banner -loglevel "${ff_level:-fatal}" ${ff_bench:+"$ff_bench"} -nostdin -y "$@"; }
vob=$media/dvd/VIDEO_TS/VTS_01_1.VOB
# The video benchmark encodes its 100 frames and their sound three times over. Native
# ffmpeg reads them from one file: with two inputs it reads each in a thread of its own,
# whose processor time its benchmark would count inside the encoder calls.
raw_video=(-stream_loop 2 -i "$native_out/frames.nut")
video_input() {
  [ -f "$native_out/frames.nut" ] ||
    ffmpeg -hide_banner -loglevel error -nostdin -y -f rawvideo -pix_fmt yuv420p -s 720x576 -r 25 \
      -i "$media/frames.yuv" -f s16le -ar 48000 -ac 2 -i "$media/sound48k.raw" -c copy -f nut "$native_out/frames.nut"
}
# The native side of each figure, with the engine's settings and thread count:
# decoding uses a thread for each core this script may use (the disc engine's slice
# threads for MPEG-2, one a core), the encoders one thread.
native() {
  case $1 in
    dvd_decode_av) "${ff[@]}" -threads "$(nproc)" -i "$vob" -map 0:v:0 -map 0:a:0 -f null - ;;
    dvd_decode_audio) "${ff[@]}" -i "$vob" -map 0:a:0 -f null - ;;
    dvd_to_mp3 | driver_to_mp3) "${ff[@]}" -i "$vob" -map 0:a:0 -c:a libmp3lame -b:a 128k -compression_level 2 \
                  -f mp3 "$native_out/title.mp3" ;;
    mp3_encode) lame -r -s 44.1 --bitwidth 16 --signed --little-endian -m j -q 2 -b 128 --silent \
                  "$media/music44k.raw" "$native_out/music.mp3" ;;
    mpeg2_encode) video_input && ff_video "${raw_video[@]}" -threads 1 -c:v mpeg2video -b:v 1150000 -maxrate 1150000 \
                    -minrate 1150000 -bufsize 1150000 -g 12 -bf 0 -c:a mp2 -b:a 224k -f dvd "$native_out/v.mpg" ;;
    mpeg4_encode) video_input && ff_video "${raw_video[@]}" -threads 1 -c:v mpeg4 -b:v 768000 -maxrate 768000 \
                    -minrate 768000 -bufsize 768000 -g 12 -bf 0 -c:a libmp3lame -b:a 96k -ar 44100 \
                    -flags +bitexact -fflags +bitexact -f avi "$native_out/v.avi" ;;
    *) return 1 ;;
  esac
}

# What a native run spends outside the work our figure times, taken off its time:
# starting the tool. The video encoders run one thread and are compared by processor
# time: ours is the processor time of our whole encode (frame copy, resampling and
# writing the file included), the native one what ffmpeg's own benchmark counts
# inside its encoder calls. Reading 190 MB of raw frames costs the native run more
# processor time than the encoders, and varies too much with the machine's load, for
# a difference of two runs to measure the encoders; our figure also counts no time
# another program takes on the same core, which a wall time would.
native_outside() {
  case $1 in
    mp3_encode) lame --version ;;
    mpeg2_encode | mpeg4_encode) true ;;
    *) "${ff[@]}" -version ;;
  esac
}
native_measure() {
  case $1 in
    mpeg2_encode | mpeg4_encode) echo enc ;;
    *) echo wall ;;
  esac
}

echo
echo "== ratios: our time / the native tool's (its start taken off) or / the floor in the same program"
echo "   (medians of several rounds; on a loaded machine single figures stay noisy)"
printf '%-34s %10s %10s %7s\n' figure "ours (s)" "other (s)" ratio
# The figures that have a native tool doing the same work (native() above); the other
# timed figures are compared inside their own programs and printed there.
has_native() {
  case $1 in
    mp3_encode | dvd_decode_av | dvd_decode_audio | dvd_to_mp3 | driver_to_mp3 | mpeg2_encode | mpeg4_encode) ;;
    *) return 1 ;;
  esac
}

while read -r kind name ours floor; do
  case $kind in
    time)
      command -v ffmpeg > /dev/null && command -v lame > /dev/null || continue
      has_native "$name" || continue
      measure=$(native_measure "$name")
      floor=$(awk -v t="$(median_seconds "$measure" native "$name")" \
        -v o="$(median_seconds "$measure" native_outside "$name")" \
        'BEGIN { printf "%.4f", t - o }')
      name="$name (native)" ;;
    floor) name="$name (floor)" ;;
    *) continue ;;
  esac
  awk -v n="$name" -v o="$ours" -v f="$floor" \
    'BEGIN { printf "%-34s %10.3f %10.3f %7s\n", n, o, f, (f > 0 ? sprintf("%.2f", o / f) : "-") }'
done < "$figures"
