#include <windows.h>

#include "ui/program.h"

// The command line is ignored: the program takes none.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return macrange::ui::RunProgram(instance);
}
