# Cross build for 64-bit Windows with MinGW-w64.
set(MACRANGE_MINGW_TRIPLE x86_64-w64-mingw32)
set(MACRANGE_MANIFEST_ARCH amd64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
