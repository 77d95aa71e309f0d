// Where the Windows programs load DLLs from.
#pragma once

namespace macrange::win {

// Limits the DLL search of every later load by name (themes, input methods,
// anything the window system or the runtime loads on the program's behalf)
// to the system folder, so that a DLL planted beside the program, in a
// Downloads folder say, is never loaded. Call it first thing, before any
// window exists. Returns false, changing nothing, where the system lacks
// SetDefaultDllDirectories (a Windows 7 without its 2011 update) or refuses.
bool LimitDllSearchToSystemFolder();

}  // namespace macrange::win
