#include "ui/program.h"

#include "ui/main_window.h"

namespace macrange::ui {

namespace {

bool g_loop_entered = false;

}  // namespace

void NoteWindowDestroyed() {
  if (g_loop_entered && MainWindowHandle() == nullptr) PostQuitMessage(0);
}

int RunProgram(HINSTANCE instance) {
  HWND window = CreateMainWindow(instance);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  g_loop_entered = true;
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) break;
    if (got == -1) continue;
    if (HandleMainWindowKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace macrange::ui
