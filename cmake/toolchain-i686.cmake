# Cross toolchain: 32-bit Windows (the program's real target), MinGW-w64 posix.
set(VARNEL_TARGET_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
