#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config nasm
  g++-mingw-w64-i686-posix mingw-w64-i686-dev libz-mingw-w64-dev
  wine wine32:i386
  libx11-6:i386 libxext6:i386 libxrender1:i386 libxrandr2:i386 libxi6:i386
  libxcursor1:i386 libxfixes3:i386 libxinerama1:i386 libxcomposite1:i386
  libfreetype6:i386 libfontconfig1:i386 fonts-wine fonts-liberation
  xvfb xauth x11-apps imagemagick
  googletest dpkg-dev libgcc-s1:i386
  ffmpeg dvdauthor
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  echo "setup: installing ${missing[*]}" >&2
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Some virtual machines cannot run 32-bit Linux programs natively; there 32-bit
# Wine runs under qemu's user-mode emulation, registered for 32-bit ELF files.
runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
if ! runs_32bit; then
  status=$(dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null || true)
  if [ "$status" != "install ok installed" ]; then
    echo "setup: this kernel runs no 32-bit programs; installing qemu-user-static" >&2
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
  fi
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" | "${sudo_cmd[@]}" tee "$binfmt/register" >/dev/null
  fi
  runs_32bit || { echo "setup: 32-bit Wine cannot start on this machine" >&2; exit 1; }
fi
