# libdvdread: the DVD-Video structure (IFO files) and the reading of title sets.
# Static, library only. The engine decrypts nothing: the run-time loading of a
# CSS library is cut out, so an encrypted disc is read as it lies on the disc.
package=libdvdread

build_recipe() {
  local src=$1 prefix=$2
  sed -i 's/dvdcss_library = dlopen(CSS_LIB, RTLD_LAZY);/dvdcss_library = NULL;/' src/dvd_input.c
  grep -q 'dvdcss_library = NULL;$' src/dvd_input.c
  ./configure --host=$CROSS --prefix="$prefix" --disable-shared --enable-static \
    --disable-apidoc --without-libdvdcss
  make -j"$jobs"
  make install
}
