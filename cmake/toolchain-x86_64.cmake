# Cross toolchain: 64-bit Windows. Only for running the tests on machines whose
# kernel runs no 32-bit programs (there 32-bit Wine cannot start); the program
# itself is always the 32-bit build.
set(VARNEL_TARGET_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
