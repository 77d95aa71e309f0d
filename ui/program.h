// Start-up, the message loop and the end of the program.
#pragma once

#include <windows.h>

#include <string_view>

namespace macrange::ui {

// Exit codes of the process. The window closed by the user gives 0.
inline constexpr int kExitWindowNotMade = 1;
inline constexpr int kExitOutOfMemory = 2;
inline constexpr int kExitMessageLoopFailed = 3;

// The messages shown before the program ends on a failure, in code page 936.
// "无法创建主窗口，程序将退出。"
inline constexpr std::string_view kWindowNotMadeMessage =
    "\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xD6\xF7\xB4\xB0\xBF\xDA\xA3\xAC\xB3\xCC\xD0\xF2\xBD\xAB"
    "\xCD\xCB\xB3\xF6\xA1\xA3";
// "内存不足，程序无法继续，将退出。"
inline constexpr std::string_view kOutOfMemoryMessage =
    "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3\xA3\xAC\xB3\xCC\xD0\xF2\xCE\xDE\xB7\xA8\xBC\xCC\xD0\xF8"
    "\xA3\xAC\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3";
// "无法读取窗口消息，程序将退出。"
inline constexpr std::string_view kMessageLoopFailedMessage =
    "\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xB4\xB0\xBF\xDA\xCF\xFB\xCF\xA2\xA3\xAC\xB3\xCC\xD0\xF2"
    "\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3";
// "错误", the caption of those messages.
inline constexpr std::string_view kFailureCaption = "\xB4\xED\xCE\xF3";

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
