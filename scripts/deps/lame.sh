# LAME's MP3 encoding library (libmp3lame), static; no front end, no decoder.
package=lame

build_recipe() {
  local src=$1 prefix=$2
  ./configure --host=$CROSS --prefix="$prefix" --disable-shared --enable-static \
    --disable-frontend --disable-decoder --disable-gtktest --disable-analyzer-hooks
  make -C libmp3lame -j"$jobs"
  make -C libmp3lame install
  make -C include install
}
