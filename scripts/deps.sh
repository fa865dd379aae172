#!/usr/bin/env bash
# Cross-builds the target libraries Debian has no MinGW package for, from Debian's
# source packages, into a cache outside the work tree keyed by package version and
# recipe. Writes a CMake file naming each library's prefix; prints that file's path.
#
#   scripts/deps.sh <output-cmake-file> [i686|x86_64]     (default i686)
#
# One recipe per library in scripts/deps/<name>.sh. A recipe sets `package` (the
# Debian source package) and defines `build_recipe <source-dir> <prefix>`.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out_file=$(realpath -m "${1:?usage: deps.sh <output-cmake-file> [i686|x86_64]}")
export TARGET_ARCH=${2:-i686}
cache=${VARNEL_DEPS_CACHE:-$HOME/.cache/varnel-revo-deps}
jobs=${VARNEL_DEPS_JOBS:-$(nproc)}
export CROSS=$TARGET_ARCH-w64-mingw32
export CC=$CROSS-gcc-posix CXX=$CROSS-g++-posix AR=$CROSS-ar RANLIB=$CROSS-ranlib
export TOOLCHAIN_FILE=$here/../cmake/toolchain-$TARGET_ARCH.cmake
mkdir -p "$cache"

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

ensure_deb_src() {
  if apt-cache showsrc zlib 2>/dev/null | grep -q '^Version:'; then return; fi
  local src=/etc/apt/sources.list.d/debian.sources
  [ -f "$src" ] || { echo "deps: no deb822 sources at $src" >&2; exit 1; }
  sed 's/^Types: deb$/Types: deb-src/' "$src" | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/varnel-deb-src.sources >/dev/null
  "${sudo_cmd[@]}" apt-get update -qq
}

source_version() {
  apt-cache showsrc "$1" | awk '/^Version:/ {print $2}' | sort -V | tail -n 1
}

# Unpacks the source package's sources (orig tarball plus Debian's changes) into $2.
unpack_source() {
  local pkg=$1 dest=$2 dl
  dl=$(mktemp -d)
  (cd "$dl" && apt-get source -qq --download-only "$pkg" >/dev/null 2>&1)
  local dsc
  dsc=$(ls "$dl"/*.dsc | head -n 1)
  dpkg-source --no-check -x "$dsc" "$dest" >/dev/null
  rm -rf "$dl"
}

build_one() {
  local recipe=$1 name
  name=$(basename "$recipe" .sh)
  (
    package=""
    # shellcheck source=/dev/null
    source "$recipe"
    local version key prefix
    version=$(source_version "$package")
    [ -n "$version" ] || { echo "deps: no source package $package" >&2; exit 1; }
    key=$(sha1sum "$recipe" | cut -c1-10)
    prefix="$cache/$TARGET_ARCH/$name-${version//:/_}-$key"
    if [ ! -f "$prefix/.done" ]; then
      echo "deps: building $name $version" >&2
      rm -rf "$prefix" "$prefix.src"
      mkdir -p "$(dirname "$prefix")"
      unpack_source "$package" "$prefix.src"
      (cd "$prefix.src" && build_recipe "$prefix.src" "$prefix") > "$prefix.log" 2>&1 ||
        { echo "deps: $name failed, see $prefix.log" >&2; tail -n 30 "$prefix.log" >&2; exit 1; }
      rm -rf "$prefix.src"
      touch "$prefix/.done"
    fi
    echo "set(DEPS_PREFIX_${name//-/_} \"$prefix\")" >> "$out_file.tmp"
  )
}

# The source lists are changed under one lock for every run; each architecture's
# libraries build under their own, so two architectures can build side by side.
(flock 8; ensure_deb_src) 8> "$cache/.lock"
exec 9> "$cache/.lock-$TARGET_ARCH"
flock 9
: > "$out_file.tmp"
for recipe in "$here"/deps/*.sh; do
  build_one "$recipe"
done
mv "$out_file.tmp" "$out_file"
echo "$out_file"
