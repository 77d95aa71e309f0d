# Checks a built Windows program without running it:
#   cmake -DOBJDUMP=... -DEXE=... [-DARCH=x86|amd64] -P check_exe.cmake
# - every DLL in its import table is one that every Windows has, so the
#   program runs on a bare Windows (no MinGW runtime DLLs, no newer CRTs);
# - with ARCH, its manifest asks for common controls 6 for that processor.

cmake_minimum_required(VERSION 3.25)

# DLLs that ship with every Windows the program supports.
set(system_dlls
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll
  msvcrt.dll ntdll.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll
  user32.dll version.dll winmm.dll ws2_32.dll)

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
if(foreign)
  message(FATAL_ERROR "${EXE} imports DLLs a bare Windows lacks: ${foreign}")
endif()

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
    message(FATAL_ERROR "${EXE} holds no manifest asking for common controls 6 for ${ARCH}")
  endif()
endif()
