# libogg, the Ogg bitstream library, static.
package=libogg

build_recipe() {
  local src=$1 prefix=$2
  ./configure --host=$CROSS --prefix="$prefix" --disable-shared --enable-static
  make -C src -j"$jobs" libogg.la
  make -C src install-libLTLIBRARIES
  make -C include install
}
