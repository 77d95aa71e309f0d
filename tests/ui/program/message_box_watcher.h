// Finds the message boxes the program shows, from a helper thread: reads
// each one (caption, text, buttons, icon, whether a given window was disabled
// and what a given edit box held while it was up) and closes it with OK.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace macrange::test {

struct SeenMessageBox {
  std::wstring caption;
  std::wstring text;
  std::vector<std::wstring> buttons;
  bool has_icon = false;
  bool has_owner = false;
  bool watched_window_enabled = true;  // the window given to the watcher
  std::wstring watched_edit_text;      // the edit box given to the watcher
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
  std::thread thread_;
};

// The text of a window, read as the window system holds it (UTF-16).
std::wstring WindowTextW(HWND window);

}  // namespace macrange::test
