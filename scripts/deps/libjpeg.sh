# libjpeg (libjpeg-turbo's classic API), static, no SIMD.
package=libjpeg-turbo

build_recipe() {
  local src=$1 prefix=$2
  cmake -S "$src" -B "$src/_build" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix"
  cmake --build "$src/_build" --target jpeg-static -j"$jobs"
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$src/_build/libjpeg.a" "$prefix/lib/"
  cp "$src"/jpeglib.h "$src"/jmorecfg.h "$src"/jerror.h "$src/_build/jconfig.h" "$prefix/include/"
}
