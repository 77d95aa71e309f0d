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

// Brings `window` to the front and waits until the window system says so,
// asking again while it waits (a request can be lost while another window is
// still being activated). False when it is still not there after timeout_ms.
inline bool Activate(HWND window, DWORD timeout_ms = kWaitMs) {
  ULONGLONG asked = 0;
  return PumpUntil(
      [window, &asked] {
        if (GetActiveWindow() == window && GetForegroundWindow() == window) return true;
        if (GetTickCount64() - asked >= 100) {
          SetForegroundWindow(window);
          SetActiveWindow(window);
          asked = GetTickCount64();
        }
        return false;
      },
      timeout_ms);
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
