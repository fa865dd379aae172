# LAME's MP3 encoding library (libmp3lame), static; no front end, no decoder.
# Its configure picks its optimisation flags only for a GCC whose version it can read,
# and it cannot read the cross compiler's ("unknown compiler version pattern"), which
# left LAME built without any optimisation: the flags it picks for GCC are given here.
package=lame

build_recipe() {
  local src=$1 prefix=$2
  CFLAGS="-O3 -fomit-frame-pointer -ffast-math" ./configure --host=$CROSS --prefix="$prefix" --disable-shared --enable-static \
    --disable-frontend --disable-decoder --disable-gtktest --disable-analyzer-hooks
  make -C libmp3lame -j"$jobs"
  make -C libmp3lame install
  make -C include install
}
