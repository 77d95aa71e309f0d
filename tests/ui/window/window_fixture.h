// A fresh MainWindow per test, shown and activated as the program does it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "fake_handlers.h"
#include "pump.h"
#include "ui/main_window.h"

namespace macrange::test {

inline std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

inline DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)); }
inline DWORD ExStyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)); }

// Brings `window` to the front and waits until the window system says so.
inline bool Activate(HWND window) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    PumpFor(20);
    if (GetActiveWindow() == window && GetForegroundWindow() == window) return true;
  }
  return false;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Calls() = HandlerCalls{};
    window_ = ui::CreateMainWindow(GetModuleHandleW(nullptr));
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
    ASSERT_TRUE(Activate(window_)) << "the window could not be activated";
    ClearDispatchedKeys();
  }

  void TearDown() override {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    Pump();
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }

  HWND window_ = nullptr;
};

}  // namespace macrange::test
