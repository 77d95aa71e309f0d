# Cross build for 32-bit Windows (the shipped build) with MinGW-w64.
set(MACRANGE_MINGW_TRIPLE i686-w64-mingw32)
set(MACRANGE_MANIFEST_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
