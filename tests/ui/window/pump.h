// Drives MainWindow the way the program's message loop does: every message
// is shown to HandleMainWindowKey before it is translated and dispatched.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace macrange::test {

// A key or character message that reached a window procedure.
struct DispatchedKey {
  HWND hwnd;
  UINT message;
  WPARAM wparam;
};

// Handles every message waiting in the thread's queue, then returns.
void Pump();

// How long a test waits for something the window system does at its own pace
// (activation, painting): generous, for a loaded 2-core machine.
inline constexpr DWORD kWaitMs = 30000;

// Pumps until `done` holds, for work the window system finishes
// asynchronously. False when it still does not hold after timeout_ms.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = kWaitMs);

// Key and character messages dispatched since the last ClearDispatchedKeys.
const std::vector<DispatchedKey>& DispatchedKeys();
void ClearDispatchedKeys();

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Presses and releases `key` in the focused window (the active window when
// nothing has the focus) with the given modifiers held, through the queue.
void PressKey(UINT key, Modifiers mods = {});

}  // namespace macrange::test
