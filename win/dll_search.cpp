#include "win/dll_search.h"

#include <windows.h>

namespace macrange::win {

bool LimitDllSearchToSystemFolder() {
  // Looked up, not imported: an import of SetDefaultDllDirectories would keep
  // the program from starting at all on a Windows that lacks it. KERNEL32 is
  // in every process, so no load is needed to find it.
  const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  if (!kernel32) return false;
  // WINAPI matters on x86, where it is __stdcall: a pointer of another
  // calling convention would leave the stack unbalanced after the call.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto set_default_dll_directories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
  if (!set_default_dll_directories) return false;
  return set_default_dll_directories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

}  // namespace macrange::win
