// Start-up, the message loop and the end of the program.
#pragma once

#include <windows.h>

namespace macrange::ui {

// Makes and shows MainWindow, runs the message loop and returns the exit code
// the quit message carries (0 when the window was closed). A window that
// cannot be made is reported and gives a non-zero code.
int RunProgram(HINSTANCE instance);

// Called by every window of the program when it is finally destroyed: when no
// window of the program is left and the message loop has begun, posts the
// quit message with code 0.
void NoteWindowDestroyed();

}  // namespace macrange::ui
