# Cross build for 32-bit Windows (the shipped build) with MinGW-w64.
set(MACRANGE_MINGW_TRIPLE i686-w64-mingw32)
set(MACRANGE_MANIFEST_ARCH x86)
# A 32-bit program that says it handles addresses above 2 GB gets the whole
# 4 GB on a 64-bit Windows.
set(MACRANGE_ARCH_LINK_OPTIONS -Wl,--large-address-aware)
# The PE subsystem version the linker gives a 32-bit program, kept: see
# cmake/windows-programs.cmake.
set(MACRANGE_SUBSYSTEM_VERSION 4.0)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
