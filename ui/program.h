// Start-up, the message loop and the end of the program.
#pragma once

#include <windows.h>

namespace macrange::ui {

// Exit codes of the process. The window closed by the user gives 0.
inline constexpr int kExitWindowNotMade = 1;
inline constexpr int kExitOutOfMemory = 2;

// The messages shown before the program ends on a failure are the string
// table's IDS_WINDOW_NOT_MADE and IDS_OUT_OF_MEMORY, with the caption
// IDS_FAILURE_CAPTION ("错误").

// Makes and shows MainWindow, runs the message loop and returns the exit code
// the quit message carries (0 when the window was closed). A window that
// cannot be made is reported and gives kExitWindowNotMade; memory exhausted
// during start-up is reported and gives kExitOutOfMemory.
int RunProgram(HINSTANCE instance);

// Called by every window of the program when it is finally destroyed: when no
// window of the program is left and the message loop has begun, posts the
// quit message with code 0.
void NoteWindowDestroyed();

// Tells the user that memory ran out and ends the process with
// kExitOutOfMemory. For handlers, which run inside the window system's calls
// where an exception must not pass.
[[noreturn]] void EndForLackOfMemory();

}  // namespace macrange::ui
