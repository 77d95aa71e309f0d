// Start-up, the message loop and the end of the program.
#pragma once

#include <windows.h>

namespace macrange::ui {

// Exit codes of the process. The window closed by the user gives 0.
inline constexpr int kExitWindowNotMade = 1;
inline constexpr int kExitOutOfMemory = 2;
inline constexpr int kExitMessageLoopFailed = 3;

// The messages shown before the program ends on a failure are the string
// table's IDS_WINDOW_NOT_MADE, IDS_OUT_OF_MEMORY and IDS_MESSAGE_LOOP_FAILED,
// with the caption IDS_FAILURE_CAPTION ("错误").

// Makes and shows MainWindow, runs the message loop and returns the exit code
// the quit message carries (0 when the window was closed). A window that
// cannot be made is reported and gives kExitWindowNotMade; memory exhausted
// during start-up is reported and gives kExitOutOfMemory; a message loop that
// cannot fetch messages any more gives kExitMessageLoopFailed.
int RunProgram(HINSTANCE instance);

// How the message loop fetches the thread's next message: GetMessageW, or a
// stand-in of the same type in tests. WINAPI matters on x86, where
// GetMessageW is stdcall and a stand-in of another convention would corrupt
// the stack.
using FetchMessage = BOOL(WINAPI*)(MSG* msg, HWND window, UINT first, UINT last);

// A failure to fetch one message (a huge message from another process can
// cause it) is not the end of the program. This many failures in a row, each
// after a pause, are: the loop would otherwise spin at full CPU for ever.
inline constexpr int kMostFetchFailures = 50;
inline constexpr DWORD kFetchFailurePauseMs = 20;

// Sets the loop-entered flag and runs the message loop until WM_QUIT, whose
// code it returns. After kMostFetchFailures failed fetches in a row it tells
// the user and returns kExitMessageLoopFailed.
int RunMessageLoop(FetchMessage fetch = GetMessageW);

// Called by every window of the program when it is finally destroyed: when no
// window of the program is left and the message loop has begun, posts the
// quit message with code 0.
void NoteWindowDestroyed();

// Tells the user that memory ran out and ends the process with
// kExitOutOfMemory. For handlers, which run inside the window system's calls
// where an exception must not pass.
[[noreturn]] void EndForLackOfMemory();

}  // namespace macrange::ui
