// MainWindow's keyboard handling: it sees each key message before the
// focused control, as a dialog's would, so Tab and Shift+Tab walk the focus
// cycle, Esc closes the window, and Enter reaches only the output box.
#include "ui/main_window.h"

namespace macrange::ui {

namespace {

bool IsDown(int key) { return GetKeyState(key) < 0; }

struct Modifiers {
  bool shift = IsDown(VK_SHIFT);
  bool ctrl = IsDown(VK_CONTROL);
  bool alt = IsDown(VK_MENU);
  bool None() const { return !shift && !ctrl && !alt; }
};

// Only a multi-line edit box that can be typed into keeps Enter for itself.
bool WantsReturn(HWND window, HWND target) {
  if (GetParent(target) != window) return false;
  const int id = GetDlgCtrlID(target);
  if (id != kIdOutputBox && id != kIdStartBox && id != kIdEndBox) return false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(target, GWL_STYLE));
  return (style & ES_MULTILINE) && !(style & ES_READONLY);
}

bool HandleKeyDown(HWND window, const MSG& msg) {
  const Modifiers mods;
  switch (msg.wParam) {
    case VK_TAB: {
      if (mods.ctrl || mods.alt) return false;
      if (const HWND next = NextFocusControl(msg.hwnd, mods.shift)) SetFocus(next);
      return true;
    }
    case VK_RETURN:
      // Elsewhere Enter would press a default button; there is none.
      return mods.None() && !WantsReturn(window, msg.hwnd);
    case VK_ESCAPE:
      if (!mods.None()) return false;
      SendMessageW(window, WM_CLOSE, 0, 0);
      return true;
    case VK_F1:
      return mods.None();  // no help
  }
  return false;
}

// Characters that would reach a control although the keys were handled
// above: a tab is never typed, and a line break only into the output box,
// so a single-line box or a button never beeps at Enter.
bool SwallowsCharacter(HWND window, const MSG& msg) {
  switch (msg.wParam) {
    case L'\t':
      return true;
    case L'\r':
    case L'\n':
      return !WantsReturn(window, msg.hwnd);
  }
  return false;
}

}  // namespace

bool HandleMainWindowKey(const MSG& msg) {
  const HWND window = MainWindowHandle();
  if (!window || !msg.hwnd || (msg.hwnd != window && !IsChild(window, msg.hwnd))) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return HandleKeyDown(window, msg);
    case WM_CHAR:
      return SwallowsCharacter(window, msg);
    case WM_SYSCHAR:
      // No caption has a mnemonic and there is no menu bar: Alt with a
      // letter does nothing. Alt+Space still opens the system menu.
      return msg.wParam != L' ';
  }
  return false;
}

}  // namespace macrange::ui
