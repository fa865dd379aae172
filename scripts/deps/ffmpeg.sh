# FFmpeg, a small static configuration for the engines: the DVD decoders and
# demuxer for the disc engine, the encoders and muxers of the formats the media
# engine and the plug-ins write, the decoders and demuxers of those formats (so the
# tests can read back what was written), swscale and swresample. MP3 is encoded
# through LAME (built first by its own recipe), the zlib codec through MinGW's zlib.
# FFmpeg's x86 assembly is on (nasm) for both architectures, and its Windows threads.
package=ffmpeg

ffmpeg_decoders=mpeg1video,mpeg2video,ac3,dca,mp2,mp3,pcm_dvd,dvdsub,pcm_s16le,pcm_s16be,aac,flac,wmav1,wmav2,ra_144,mpeg4,h263,flv,wmv1,wmv2,rv10,rv20,vorbis,pcm_mulaw,pcm_alaw,adpcm_ima_wav,adpcm_ms,msmpeg4v2,msmpeg4v3,mjpeg,rawvideo,zlib
ffmpeg_encoders=mpeg1video,mpeg2video,mpeg4,h263,flv,wmv1,wmv2,rv10,rv20,aac,mp2,ac3,pcm_s16le,pcm_s16be,flac,wmav1,wmav2,ra_144,msmpeg4v2,msmpeg4v3,mjpeg,rawvideo,zlib,libmp3lame,adpcm_ms,pcm_alaw,pcm_mulaw
ffmpeg_muxers=mp4,ipod,mov,tgp,tg2,avi,mpeg1system,mpeg1vcd,mpeg2dvd,vob,flv,asf,rm,wav,adts,flac,mp2
ffmpeg_demuxers=mpegps,mpegvideo,mov,avi,asf,rm,flv,wav,aac,flac,ogg,mp3,ac3
ffmpeg_parsers=mpegvideo,ac3,dca,mpegaudio,dvdsub,aac,flac,mpeg4video,h263,vorbis

build_recipe() {
  local src=$1 prefix=$2 lame
  # LAME's recipe runs first (deps.sh's build_one; cached, and named again later).
  build_one "$here/deps/lame.sh"
  lame=$(sed -n 's/^set(DEPS_PREFIX_lame "\(.*\)")$/\1/p' "$out_file.tmp" | tail -n 1)
  [ -n "$lame" ] || { echo "ffmpeg: LAME was not built" >&2; return 1; }
  ./configure --prefix="$prefix" --enable-cross-compile --arch=$TARGET_ARCH --target-os=mingw32 \
    --cross-prefix=$CROSS- --cc="$CC" --cxx="$CXX" \
    --disable-everything --disable-autodetect --disable-programs --disable-doc --disable-network \
    --enable-x86asm --enable-w32threads --disable-debug --disable-avdevice --disable-avfilter --disable-postproc \
    --enable-static --disable-shared --enable-swscale --enable-swresample --enable-protocol=file \
    --enable-decoder=$ffmpeg_decoders --enable-encoder=$ffmpeg_encoders \
    --enable-muxer=$ffmpeg_muxers --enable-demuxer=$ffmpeg_demuxers \
    --enable-parser=$ffmpeg_parsers --enable-bsf=aac_adtstoasc \
    --enable-zlib --enable-libmp3lame --extra-cflags="-I$lame/include" --extra-ldflags="-L$lame/lib"
  make -j"$jobs"
  make install
}
