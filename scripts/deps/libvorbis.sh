# libvorbis and libvorbisenc, static, against the libogg this script built before it
# (recipes run in name order, so libogg's prefix for the same architecture is already
# in the cache).
package=libvorbis

build_recipe() {
  local src=$1 prefix=$2 ogg
  ogg=$(ls -d "$(dirname "$prefix")"/libogg-*/ 2>/dev/null | while read -r d; do [ -f "$d/.done" ] && echo "${d%/}"; done | tail -n 1)
  [ -n "$ogg" ] || { echo "libvorbis: libogg is not built yet" >&2; return 1; }
  ./configure --host=$CROSS --prefix="$prefix" --disable-shared --enable-static \
    --disable-oggtest --with-ogg-includes="$ogg/include" --with-ogg-libraries="$ogg/lib"
  make -C lib -j"$jobs"
  make -C lib install-libLTLIBRARIES
  make -C include install
}
