// A top-level test window holding multi-line edit boxes made like 编辑框1
// (same class, styles, size and font), for testing the services on boxes of
// the test's own.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace macrange::test {

class EditHost {
 public:
  explicit EditHost(int boxes = 1);
  ~EditHost();
  EditHost(const EditHost&) = delete;
  EditHost& operator=(const EditHost&) = delete;

  HWND window() const { return window_; }
  HWND box(int i = 0) const { return boxes_[static_cast<std::size_t>(i)]; }

 private:
  HWND window_ = nullptr;
  std::vector<HWND> boxes_;
};

// Counts the messages a window receives while the object lives, by
// subclassing it; every message still reaches the window's own procedure.
// One counter per window at a time.
class MessageCounter {
 public:
  explicit MessageCounter(HWND window);
  ~MessageCounter();
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;

  int Count(UINT message) const;
  void Reset() { counts_.clear(); }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND window_;
  WNDPROC previous_ = nullptr;
  std::map<UINT, int> counts_;
};

// Handles every message waiting for this thread.
void PumpMessages();

}  // namespace macrange::test
