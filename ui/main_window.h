// MainWindow: the program's one window, with two labels, three edit boxes and
// two push buttons, its focus cycle and its keyboard handling.
#pragma once

#include <windows.h>

namespace macrange::ui {

// Child identifiers of the seven controls.
enum ControlId : int {
  kIdOutputBox = 100,       // 编辑框1: the multi-line output box
  kIdGenerateButton = 110,  // 按钮1: "开始生成"
  kIdCopyButton = 120,      // 按钮2: "复制"
  kIdStartBox = 130,        // 编辑框2: the start address
  kIdEndBox = 140,          // 编辑框3: the end address
  kIdStartLabel = 150,      // 标签1: "开始"
  kIdEndLabel = 160,        // 标签2: "结束"
};

// Makes MainWindow and its controls, laid out and styled for the DPI of the
// screen it opens on (and again whenever that DPI changes: WM_DPICHANGED),
// without showing the window, and raises OnMainWindowCreated. Returns null
// when the window system refuses the window or one of its controls (nothing
// is left behind then), and while a MainWindow exists already: there is one
// at a time.
HWND CreateMainWindow(HINSTANCE instance);

// The window made by CreateMainWindow while it exists, else null.
HWND MainWindowHandle();

// One of the controls of MainWindow, or null when the window does not exist.
HWND MainWindowControl(int id);

// The control that the focus goes to from `from` with Tab (backward false)
// or Shift+Tab (backward true) along the focus cycle 编辑框1, 按钮1, 按钮2,
// 编辑框2, 编辑框3, skipping controls that are hidden, disabled or no tab
// stops. From a window outside the cycle, Tab goes to the first and Shift+Tab
// to the last. Null when no control can take the focus.
HWND NextFocusControl(HWND from, bool backward);

// The window's keyboard handling (Tab, Shift+Tab, Enter, Esc), looked at for
// every message before it is translated. Returns true when it consumed msg.
bool HandleMainWindowKey(const MSG& msg);

}  // namespace macrange::ui
