#include "win/dll_search.h"

#include <windows.h>

#include "win/system_function.h"

namespace macrange::win {

bool LimitDllSearchToSystemFolder() {
  const auto set_default_dll_directories =
      SystemFunction<BOOL(WINAPI*)(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories");
  if (!set_default_dll_directories) return false;
  return set_default_dll_directories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

}  // namespace macrange::win
