# How every Windows program and DLL of this build is linked, and the stripped
# copies of the programs that ship. Included by the top-level CMakeLists.txt
# for the Windows builds, before any target; the values that differ between
# x86 and x64 come from the toolchain files.

foreach(var MACRANGE_ARCH_LINK_OPTIONS MACRANGE_SUBSYSTEM_VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is set by the toolchain files in cmake/")
  endif()
endforeach()

# The PE subsystem version is pinned to what the linkers have always given
# (4.0 on x86, 5.2 on x64), not left to a linker's default: from subsystem
# version 6.0 on, Windows draws a wider, padded frame inside a window's outer
# size, and this window of fixed outer size would lose client area below its
# buttons.
string(REPLACE "." ";" subsystem_version "${MACRANGE_SUBSYSTEM_VERSION}")
list(GET subsystem_version 0 subsystem_major)
list(GET subsystem_version 1 subsystem_minor)

add_link_options(
  # ASLR and DEP (the linker's defaults today, stated so that they stay).
  -Wl,--dynamicbase -Wl,--nxcompat
  ${MACRANGE_ARCH_LINK_OPTIONS}
  -Wl,--major-subsystem-version,${subsystem_major}
  -Wl,--minor-subsystem-version,${subsystem_minor}
  # No link time in the PE header, so that the same sources give the same
  # bytes; the header's checksum then follows from the bytes alone.
  -Wl,--no-insert-timestamp)

# Left out on purpose: --gc-sections (with -ffunction-sections and
# -fdata-sections) and -Os for the window code. On the stripped programs they
# saved 2.5 KB and 4 KB of 284 KB (x86) and 4.5 KB and 2 KB of 218 KB (x64),
# 6 KB each together: the statically linked C++ runtime is most of each
# program (libstdc++ alone about 146 KB of the x86 one), not our code. Less
# than 3 % was not worth the risk of the linker's garbage collection dropping
# what the x86 build needs only at run time (its DWARF unwind tables, the
# runtime's start-up sections) on machines where its tests cannot run.

# No build folder in what the compiler writes (debug information, __FILE__):
# the same sources built in another folder give the same objects. The build
# tree is named last, since it may lie inside the source tree.
add_compile_options(
  "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")

# The stripped copies of the shipped programs go here; the programs as linked
# stay beside their sources in the build tree, debug information and all.
set(MACRANGE_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)

# macrange_release_copies(TARGET...): for each of these programs that the
# build has, a stripped copy MACRANGE_RELEASE_DIR/TARGET.exe, remade whenever
# the program is (target "release", part of every build).
function(macrange_release_copies)
  set(copies "")
  foreach(target IN LISTS ARGN)
    if(NOT TARGET ${target})
      continue()
    endif()
    set(copy ${MACRANGE_RELEASE_DIR}/${target}${CMAKE_EXECUTABLE_SUFFIX})
    # strip writes the current time into the PE header unless
    # SOURCE_DATE_EPOCH names another; 0 is what the linker wrote.
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${MACRANGE_RELEASE_DIR}
      COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
              ${CMAKE_STRIP} --strip-all -o ${copy} $<TARGET_FILE:${target}>
      DEPENDS ${target}
      COMMENT "Stripped copy of ${target}"
      VERBATIM)
    list(APPEND copies ${copy})
  endforeach()
  add_custom_target(release ALL DEPENDS ${copies})
endfunction()
