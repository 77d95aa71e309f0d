# Cross build for 64-bit Windows with MinGW-w64.
set(MACRANGE_MINGW_TRIPLE x86_64-w64-mingw32)
set(MACRANGE_MANIFEST_ARCH amd64)
# ASLR over the whole 64-bit address space, not only its low 4 GB.
set(MACRANGE_ARCH_LINK_OPTIONS -Wl,--high-entropy-va)
# The PE subsystem version the linker gives a 64-bit program (the first
# Windows for x64 was 5.2), kept: see cmake/windows-programs.cmake.
set(MACRANGE_SUBSYSTEM_VERSION 5.2)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
