# Checks a built Windows program without running it:
#   cmake -DOBJDUMP=... -DEXE=... [-DARCH=x86|amd64] [-DSUBSYSTEM=4.0|5.2]
#         [-DSTRIPPED=ON] -P check_exe.cmake
# - every DLL in its import table is one that every Windows has, so the
#   program runs on a bare Windows (no MinGW runtime DLLs, no newer CRTs), and
#   it imports none of the functions newer than Windows Vista that it looks up
#   at run time instead;
# - with ARCH, its manifest asks for common controls 6 for that processor,
#   names the Windows versions from Vista to 10/11 and asks to run as invoker;
# - with SUBSYSTEM, its PE header asks for ASLR and DEP, for high-entropy ASLR
#   (x64) or the 4 GB of a large-address-aware program (x86), names that
#   subsystem version and holds no link time;
# - with STRIPPED, it holds no debug sections and no symbol table.
# Every fault found is reported, one line each, before the check fails.

cmake_minimum_required(VERSION 3.25)

# DLLs that ship with every Windows the program supports.
set(system_dlls
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll
  msvcrt.dll ntdll.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll
  user32.dll version.dll winmm.dll ws2_32.dll)

# Functions of later Windows versions that the program may use: an import of
# one keeps the program from starting at all on a Windows that lacks it.
set(late_functions
  SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory
  SetProcessDpiAwareness GetDpiForMonitor
  SetProcessDpiAwarenessContext SetThreadDpiAwarenessContext GetDpiForWindow
  GetDpiForSystem GetSystemMetricsForDpi AdjustWindowRectExForDpi
  SystemParametersInfoForDpi EnableNonClientDpiScaling)

set(faults "")
# note_items(FAULT ITEMS...): notes "FAULT: ITEMS" when there are any items.
function(note_items fault)
  if(ARGN)
    list(JOIN ARGN ", " items)
    list(APPEND faults "${fault}: ${items}")
    set(faults "${faults}" PARENT_SCOPE)
  endif()
endfunction()

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no import table found in ${EXE}")
endif()
set(foreign "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  message(STATUS "imports ${dll}")
  if(NOT dll IN_LIST system_dlls)
    list(APPEND foreign ${dll})
  endif()
endforeach()
note_items("imports DLLs a bare Windows lacks" ${foreign})
set(late "")
foreach(function IN LISTS late_functions)
  # An import line: address, hint, name.
  if(dump MATCHES "\n\t[0-9a-f]+\t +[0-9]+  ${function}\r?\n")
    list(APPEND late ${function})
  endif()
endforeach()
note_items("imports functions a Windows Vista lacks (look them up at run time)" ${late})

if(ARCH)
  file(READ ${EXE} bytes HEX)
  string(HEX "name=\"Microsoft.Windows.Common-Controls\"" name)
  string(HEX "version=\"6.0.0.0\"" version)
  string(HEX "processorArchitecture=\"${ARCH}\"" arch)
  string(FIND "${bytes}" "${name}" at_name)
  set(at_version -1)
  set(at_arch -1)
  if(at_name GREATER_EQUAL 0)
    # The rest of that assemblyIdentity element.
    string(SUBSTRING "${bytes}" ${at_name} 600 identity)
    string(FIND "${identity}" "${version}" at_version)
    string(FIND "${identity}" "${arch}" at_arch)
  endif()
  if(at_version LESS 0 OR at_arch LESS 0)
    list(APPEND faults "holds no manifest asking for common controls 6 for ${ARCH}")
  endif()

  set(supported_os
    "e2011457-1546-43c5-a5fe-008deee3d3f0"  # Windows Vista
    "35138b9a-5d96-4fbd-8e2d-a2440225f93a"  # Windows 7
    "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38"  # Windows 8
    "1f676c76-80e1-4239-95bb-83d0f6d0da78"  # Windows 8.1
    "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a") # Windows 10 and 11
  set(unnamed "")
  foreach(id IN LISTS supported_os)
    string(HEX "<supportedOS Id=\"{${id}}\"/>" entry)
    string(FIND "${bytes}" "${entry}" at)
    if(at LESS 0)
      list(APPEND unnamed ${id})
    endif()
  endforeach()
  note_items("holds no manifest entry supportedOS for" ${unnamed})
  string(HEX "<requestedExecutionLevel level=\"asInvoker\"" level)
  string(FIND "${bytes}" "${level}" at_level)
  if(at_level LESS 0)
    list(APPEND faults "holds no manifest entry requestedExecutionLevel asInvoker")
  endif()
endif()

# read_header(VAR OFFSET SIZE): the little-endian number at OFFSET in EXE.
function(read_header var offset size)
  file(READ ${EXE} hex OFFSET ${offset} LIMIT ${size} HEX)
  set(value 0)
  math(EXPR last "${size} - 1")
  foreach(i RANGE ${last} 0 -1)
    math(EXPR at "${i} * 2")
    string(SUBSTRING "${hex}" ${at} 2 byte)
    math(EXPR value "${value} * 256 + 0x${byte}")
  endforeach()
  set(${var} ${value} PARENT_SCOPE)
endfunction()

if(SUBSYSTEM OR STRIPPED)
  read_header(pe 60 4)                     # e_lfanew: where the PE header starts
  math(EXPR file_header "${pe} + 4")       # after "PE\0\0"
  math(EXPR optional_header "${pe} + 24")
  read_header(magic ${optional_header} 2)  # 0x10b PE32 (x86), 0x20b PE32+ (x64)
endif()

if(SUBSYSTEM)
  math(EXPR at "${file_header} + 4")
  read_header(timestamp ${at} 4)
  math(EXPR at "${file_header} + 18")
  read_header(characteristics ${at} 2)
  math(EXPR at "${optional_header} + 48")
  read_header(subsystem_major ${at} 2)
  math(EXPR at "${optional_header} + 50")
  read_header(subsystem_minor ${at} 2)
  math(EXPR at "${optional_header} + 70")
  read_header(dll_characteristics ${at} 2)

  macro(expect_flag value flag fault)
    math(EXPR set_bits "${value} & ${flag}")
    if(NOT set_bits)
      list(APPEND faults "${fault}")
    endif()
  endmacro()
  expect_flag(${dll_characteristics} 0x40 "no ASLR (DYNAMIC_BASE)")
  expect_flag(${dll_characteristics} 0x100 "no DEP (NX_COMPAT)")
  if(magic EQUAL 0x20b)
    expect_flag(${dll_characteristics} 0x20 "no high-entropy ASLR (HIGH_ENTROPY_VA)")
  else()
    # An x64 program always is; an x86 one gets 4 GB on a 64-bit Windows.
    expect_flag(${characteristics} 0x20 "not large-address-aware")
  endif()
  if(NOT "${subsystem_major}.${subsystem_minor}" STREQUAL SUBSYSTEM)
    list(APPEND faults "subsystem version ${subsystem_major}.${subsystem_minor}, not ${SUBSYSTEM}")
  endif()
  if(NOT timestamp EQUAL 0)
    list(APPEND faults "a link time in its PE header (${timestamp})")
  endif()
endif()

if(STRIPPED)
  execute_process(COMMAND ${OBJDUMP} -h ${EXE} OUTPUT_VARIABLE sections)
  string(REGEX MATCHALL "\\.debug[_a-z]*" debug_sections "${sections}")
  list(REMOVE_DUPLICATES debug_sections)
  note_items("debug sections" ${debug_sections})
  math(EXPR at "${file_header} + 12")
  read_header(symbols ${at} 4)             # NumberOfSymbols
  if(NOT symbols EQUAL 0)
    list(APPEND faults "a symbol table of ${symbols} entries")
  endif()
endif()

if(faults)
  list(JOIN faults "\n  " report)
  message(FATAL_ERROR "${EXE}:\n  ${report}")
endif()
