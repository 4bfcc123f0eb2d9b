set(ONDALITH_MINGW_PROCESSOR i686)
include("${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake")
# SSE2 arithmetic, as on the Linux build: x87 extended precision would round the
# matrix maths differently. Every PC with a GL 3 driver has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
