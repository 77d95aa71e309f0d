# Shared by the two MinGW-w64 toolchain files. The -posix thread variants are
# needed: GoogleTest does not compile against the -win32 ones (no std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MACRANGE_MINGW_TRIPLE})
set(CMAKE_C_COMPILER ${MACRANGE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MACRANGE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MACRANGE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MACRANGE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in: the programs import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs the Windows test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
