// The real MainWindow, made and shown as start-up does, for the handler tests.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "edit_host.h"
#include "message_box_watcher.h"
#include "win/codepage.h"
#include "ui/main_window.h"

namespace macrange::test {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = ui::CreateMainWindow(GetModuleHandleW(nullptr));
    ASSERT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
    PumpMessages();
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
    PumpMessages();
  }

  HWND window() const { return window_; }
  static HWND Control(int id) { return ui::MainWindowControl(id); }
  static HWND OutputBox() { return Control(ui::kIdOutputBox); }

  // Sets a box's text from code page 936 bytes.
  static void SetBoxText(int id, std::string_view text) {
    SetWindowTextW(Control(id), win::WideFrom936(text).c_str());
  }
  static void Type(std::string_view start, std::string_view end) {
    SetBoxText(ui::kIdStartBox, start);
    SetBoxText(ui::kIdEndBox, end);
  }
  // Clicks a button as the user does; the handler has run when this returns.
  static void Press(int id) {
    SendMessageW(Control(id), BM_CLICK, 0, 0);
    PumpMessages();
  }
  static std::wstring OutputText() { return WindowTextW(OutputBox()); }

 private:
  HWND window_ = nullptr;
};

}  // namespace macrange::test
