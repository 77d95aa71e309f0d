// A top-level test window holding multi-line edit boxes made like 编辑框1
// (same class, styles, size and font), for testing the services on boxes of
// the test's own.
#pragma once

#include <windows.h>

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

// Handles every message waiting for this thread.
void PumpMessages();

}  // namespace macrange::test
