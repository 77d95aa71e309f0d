// Finds the message boxes the program shows, from a helper thread: reads
// each one once (caption, text, buttons, icon, whether a given window was
// disabled and what a given edit box held while it was up) and closes it with
// OK.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace macrange::test {

// How long a test waits for something the window system does at its own pace
// (a box to be ready, to close): generous, for a loaded 2-core machine.
inline constexpr DWORD kWaitMs = 30000;

// Looks at `done` every few milliseconds until it holds. False when it still
// does not after timeout_ms. Allocates nothing itself.
template <typename Done>
bool PollUntil(Done done, DWORD timeout_ms = kWaitMs) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() - start >= timeout_ms) return false;
    Sleep(5);
  }
}

struct SeenMessageBox {
  std::wstring caption;
  std::wstring text;
  std::vector<std::wstring> buttons;
  bool has_icon = false;
  bool has_owner = false;
  bool watched_window_enabled = true;  // the window given to the watcher
  std::wstring watched_edit_text;      // the edit box given to the watcher
  bool other_window_visible = false;   // a top-level window of this process beside the box
};

class MessageBoxWatcher {
 public:
  // watched_window and watched_edit may be null.
  explicit MessageBoxWatcher(HWND watched_window = nullptr, HWND watched_edit = nullptr);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  std::vector<SeenMessageBox> Seen();

 private:
  void Watch();
  SeenMessageBox Read(HWND box) const;

  HWND watched_window_;
  HWND watched_edit_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenMessageBox> seen_;
  std::vector<HWND> read_;  // boxes read that still exist: never recorded twice
  std::thread thread_;
};

// The text of a window, read as the window system holds it (UTF-16).
std::wstring WindowTextW(HWND window);

// A visible message box ("#32770") of this process other than `except`, or
// null. Allocates nothing.
HWND FindMessageBoxOfThisProcess(HWND except = nullptr);

// Waits until `box` can be read: shown, its button made, and its thread back
// in the box's message loop (it answers a sent message), so the box has
// filled in its controls. False when the box is gone or the time is up.
// Allocates nothing, so it serves where memory is made to run out.
bool WaitUntilBoxReady(HWND box, DWORD timeout_ms = kWaitMs);

// Presses the box's OK and waits until the box is gone. False when it is still
// there after timeout_ms. Allocates nothing.
bool CloseBoxWithOk(HWND box, DWORD timeout_ms = kWaitMs);

}  // namespace macrange::test
