// Functions of the system that the Windows programs look up at run time
// instead of importing: an import of a function that an older Windows lacks
// would keep the program from starting there at all.
#pragma once

#include <windows.h>

namespace macrange::win {

// The function `name` of `module`, a system DLL the process has loaded
// already (KERNEL32 and USER32 are there from the start), or null where that
// Windows lacks it. Fn carries the calling convention: WINAPI matters on x86,
// where the system's functions are __stdcall and a pointer of another
// convention would leave the stack unbalanced after every call. Going through
// void(*)() is how a FARPROC becomes another function type without a cast
// warning.
template <typename Fn>
Fn SystemFunction(const wchar_t* module, const char* name) {
  const HMODULE loaded = GetModuleHandleW(module);
  if (!loaded) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(loaded, name)));
}

}  // namespace macrange::win
