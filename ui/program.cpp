#include "ui/program.h"

#include <new>
#include <string>

#include "ui/main_window.h"

namespace macrange::ui {

namespace {

// Set when the message loop begins and never cleared: a window destroyed
// during start-up must not post the quit message.
bool g_loop_entered = false;

// Shown without the code page conversion's allocations: this runs when memory
// may be gone, so the texts are converted into fixed buffers.
void ShowFailure(std::string_view message) {
  wchar_t text[128] = {};
  wchar_t caption[16] = {};
  MultiByteToWideChar(936, 0, message.data(), static_cast<int>(message.size()), text, 127);
  MultiByteToWideChar(936, 0, kFailureCaption.data(), static_cast<int>(kFailureCaption.size()),
                      caption, 15);
  MessageBoxW(nullptr, text, caption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

int RunMessageLoop(FetchMessage fetch) {
  g_loop_entered = true;
  MSG msg{};
  int failures = 0;
  for (;;) {
    const BOOL got = fetch(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    // -1 is an error, not WM_QUIT.
    if (got < 0) {
      if (++failures >= kMostFetchFailures) {
        ShowFailure(kMessageLoopFailedMessage);
        return kExitMessageLoopFailed;
      }
      Sleep(kFetchFailurePauseMs);
      continue;
    }
    failures = 0;
    if (HandleMainWindowKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void NoteWindowDestroyed() {
  if (g_loop_entered && MainWindowHandle() == nullptr) PostQuitMessage(0);
}

void EndForLackOfMemory() {
  ShowFailure(kOutOfMemoryMessage);
  ExitProcess(kExitOutOfMemory);
}

int RunProgram(HINSTANCE instance) {
  try {
    HWND window = CreateMainWindow(instance);
    if (!window) {
      ShowFailure(kWindowNotMadeMessage);
      return kExitWindowNotMade;
    }
    ShowWindow(window, SW_SHOW);
    return RunMessageLoop();
  } catch (const std::bad_alloc&) {
    ShowFailure(kOutOfMemoryMessage);
    return kExitOutOfMemory;
  }
}

}  // namespace macrange::ui
