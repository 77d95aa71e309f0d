#include "pump.h"

#include "ui/main_window.h"

namespace macrange::test {

namespace {

std::vector<DispatchedKey> g_keys;

bool IsKeyMessage(UINT message) {
  return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

void SetHeld(BYTE (&state)[256], bool held, std::initializer_list<UINT> keys) {
  for (const UINT key : keys) state[key] = held ? 0x80 : 0;
}

LPARAM KeyParam(UINT key, bool alt, bool up) {
  LPARAM param = 1 | (static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
  if (alt) param |= LPARAM{1} << 29;
  if (up) param |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return param;
}

}  // namespace

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (ui::HandleMainWindowKey(msg)) continue;
    TranslateMessage(&msg);
    if (IsKeyMessage(msg.message)) g_keys.push_back({msg.hwnd, msg.message, msg.wParam});
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    Pump();
    if (done()) return true;
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (elapsed >= timeout_ms) return false;
    // Wakes for the next message, or looks again after a moment for changes
    // that arrive without one.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

const std::vector<DispatchedKey>& DispatchedKeys() { return g_keys; }

void ClearDispatchedKeys() { g_keys.clear(); }

void PressKey(UINT key, Modifiers mods) {
  BYTE saved[256];
  GetKeyboardState(saved);
  BYTE state[256];
  GetKeyboardState(state);
  SetHeld(state, mods.shift, {VK_SHIFT, VK_LSHIFT});
  SetHeld(state, mods.ctrl, {VK_CONTROL, VK_LCONTROL});
  SetHeld(state, mods.alt, {VK_MENU, VK_LMENU});
  SetKeyboardState(state);

  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  const bool sys = mods.alt || key == VK_F10;
  PostMessageW(target, sys ? WM_SYSKEYDOWN : WM_KEYDOWN, key, KeyParam(key, mods.alt, false));
  Pump();
  if (IsWindow(target)) {
    PostMessageW(target, sys ? WM_SYSKEYUP : WM_KEYUP, key, KeyParam(key, mods.alt, true));
    Pump();
  }
  SetKeyboardState(saved);
}

}  // namespace macrange::test
