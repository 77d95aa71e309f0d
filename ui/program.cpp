#include "ui/program.h"

#include <new>
#include <string>

#include "ui/main_window.h"
#include "ui/texts.h"

namespace macrange::ui {

namespace {

// Set when the message loop begins and never cleared: a window destroyed
// during start-up must not post the quit message.
bool g_loop_entered = false;

// This runs when memory may be gone: the texts are read into fixed buffers,
// allocating nothing.
void ShowFailure(UINT message_id) {
  wchar_t text[128];
  wchar_t caption[16];
  LoadTextInto(message_id, text);
  LoadTextInto(IDS_FAILURE_CAPTION, caption);
  MessageBoxW(nullptr, text, caption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

int RunMessageLoop() {
  g_loop_entered = true;
  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    // -1 is a failure to fetch one message (a huge message from another
    // process can cause it), not the end of the program.
    if (got == -1) continue;
    if (HandleMainWindowKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

void NoteWindowDestroyed() {
  if (g_loop_entered && MainWindowHandle() == nullptr) PostQuitMessage(0);
}

void EndForLackOfMemory() {
  ShowFailure(IDS_OUT_OF_MEMORY);
  ExitProcess(kExitOutOfMemory);
}

int RunProgram(HINSTANCE instance) {
  try {
    HWND window = CreateMainWindow(instance);
    if (!window) {
      ShowFailure(IDS_WINDOW_NOT_MADE);
      return kExitWindowNotMade;
    }
    ShowWindow(window, SW_SHOW);
    return RunMessageLoop();
  } catch (const std::bad_alloc&) {
    ShowFailure(IDS_OUT_OF_MEMORY);
    return kExitOutOfMemory;
  }
}

}  // namespace macrange::ui
