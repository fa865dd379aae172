# LAME's MP3 encoding library (libmp3lame), static; no front end, no decoder.
# Its configure picks its optimisation flags only for a GCC whose version it can read,
# and it cannot read the cross compiler's ("unknown compiler version pattern"), which
# left LAME built without any optimisation: the flags it picks for GCC are given here.
# The 32-bit build also takes the program's own SSE2 flags: without them its floating
# point runs on the x87 unit and configure finds no SSE intrinsics, which leaves out
# LAME's SSE quantisation path (64-bit compilers have both by default).
package=lame

build_recipe() {
  local src=$1 prefix=$2 simd=""
  [ "$TARGET_ARCH" != i686 ] || simd="-msse2 -mfpmath=sse"
  CFLAGS="-O3 -fomit-frame-pointer -ffast-math $simd" ./configure --host=$CROSS --prefix="$prefix" --disable-shared --enable-static \
    --disable-frontend --disable-decoder --disable-gtktest --disable-analyzer-hooks
  make -C libmp3lame -j"$jobs"
  make -C libmp3lame install
  make -C include install
}
