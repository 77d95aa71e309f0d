// Placeholder window: replaced by the full layout, styles, focus and keys.
#include "ui/main_window.h"

#include "ui/handlers.h"
#include "ui/program.h"

namespace macrange::ui {

namespace {

HWND g_window = nullptr;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_NCDESTROY:
      g_window = nullptr;
      NoteWindowDestroyed();
      break;
  }
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"MacrangeMainWindow";
  RegisterClassExW(&wc);
  g_window = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 235, 464,
                             nullptr, nullptr, instance, nullptr);
  if (g_window) OnMainWindowCreated();
  return g_window;
}

HWND MainWindowHandle() { return g_window; }

HWND MainWindowControl(int id) { return g_window ? GetDlgItem(g_window, id) : nullptr; }

bool HandleMainWindowKey(const MSG&) { return false; }

}  // namespace macrange::ui
