# Sourced: TEST_ARCH is the architecture the tests run as on this machine. The
# program is 32-bit; where the kernel runs no 32-bit programs (some virtual
# machines), 32-bit Wine cannot start natively (an emulator registered for 32-bit
# programs is too slow and unreliable for it), and the tests run as a 64-bit build
# under 64-bit Wine instead.
# VARNEL_TEST_ARCH=x86_64 takes the 64-bit way on any machine (to time or check it).
if [ "${VARNEL_TEST_ARCH:-}" != x86_64 ] && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] &&
  /usr/lib/wine/wine --version >/dev/null 2>&1; then
  TEST_ARCH=i686
  VARNEL_WINE=wine
else
  TEST_ARCH=x86_64
  VARNEL_WINE=/usr/lib/wine/wine64
fi
export VARNEL_WINE
