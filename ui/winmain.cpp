#include <windows.h>

#include "win/dll_search.h"
#include "ui/program.h"

// The command line is ignored: the program takes none.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Before anything can load a DLL by name. Without the function (an old
  // Windows 7) the program runs on with the system's usual search.
  macrange::win::LimitDllSearchToSystemFolder();
  return macrange::ui::RunProgram(instance);
}
