# Musepack's SV8 encoder from Debian's libmpc source (the one that builds
# musepack-tools): the encoder library (libmpcenc), the psychoacoustic model
# (libmpcpsy), the shared routines they need, and the mpcenc front end, whose
# frame loop (scale factors, bit allocation, quantisation) and APEv2 tags are not
# part of either library. The front end becomes a library entry
# `mpcenc_main(argc, argv)`, and its calls of exit() go to `mpcenc_exit(code)`,
# which the program that links it defines (so a failure cannot end the process).
# Everything lands in one static libmpcenc.a; no programs are built.
package=musepack-tools

# As scripts/deps.sh unpacks a source, but when Debian's change set cannot be
# fetched or applied the upstream tarball alone is used: the files built here
# are the upstream ones either way.
unpack_source() {
  local pkg=$1 dest=$2 dl dsc orig
  dl=$(mktemp -d)
  (cd "$dl" && apt-get source -qq --download-only "$pkg" >/dev/null 2>&1) || true
  dsc=$(ls "$dl"/*.dsc 2>/dev/null | head -n 1)
  if [ -z "$dsc" ] || ! dpkg-source --no-check -x "$dsc" "$dest" >/dev/null 2>&1; then
    orig=$(ls "$dl"/*.orig.tar.* 2>/dev/null | head -n 1)
    if [ -z "$orig" ]; then
      rm -rf "$dl"
      echo "deps: cannot fetch the source of $pkg" >&2
      return 1
    fi
    rm -rf "$dest"
    mkdir -p "$dest"
    tar -xf "$orig" -C "$dest" --strip-components=1
  fi
  rm -rf "$dl"
}

build_recipe() {
  local src=$1 prefix=$2 f
  mkdir -p obj "$prefix/lib" "$prefix/include"
  for f in libmpcenc/*.c libmpcpsy/*.c common/crc32.c common/fastmath.c common/tags.c \
           mpcenc/mpcenc.c mpcenc/wave_in.c mpcenc/stderr.c mpcenc/keyboard.c \
           mpcenc/pipeopen.c mpcenc/winmsg.c; do
    $CC -c -O2 -fcommon -DFAST_MATH -DCVD_FASTLOG -Dmain=mpcenc_main -Dexit=mpcenc_exit \
      -Iinclude -Ilibmpcpsy -Ilibmpcenc "$f" -o "obj/$(echo "$f" | tr / _).o" || return 1
  done
  $AR rcs "$prefix/lib/libmpcenc.a" obj/*.o || return 1
  cat > "$prefix/include/mpcenc_frontend.h" <<'HDR'
/* The mpcenc front end as a library entry (built by scripts/deps/musepack.sh). */
#ifdef __cplusplus
extern "C" {
#endif
/* Encodes as `mpcenc <argv[1..]>` would; 0 on success. */
int mpcenc_main(int argc, char** argv);
/* Defined by the program that links the front end: called instead of exit(). */
void mpcenc_exit(int code);
#ifdef __cplusplus
}
#endif
HDR
}
