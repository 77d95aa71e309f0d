// The real MainWindow, made and shown as start-up does, for the handler tests.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "edit_host.h"
#include "message_box_watcher.h"
#include "win/codepage.h"
#include "ui/main_window.h"

namespace macrange::test {

// What the user sees of an edit box: its text, its selection (EM_GETSEL) and
// its first visible line.
struct EditState {
  std::wstring text;
  DWORD selection_start = 0;
  DWORD selection_end = 0;
  LRESULT first_visible_line = 0;
  bool operator==(const EditState&) const = default;
};

inline EditState EditStateOf(HWND box) {
  EditState state;
  state.text = WindowTextW(box);
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&state.selection_start),
               reinterpret_cast<LPARAM>(&state.selection_end));
  state.first_visible_line = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  return state;
}

inline void PrintTo(const EditState& state, std::ostream* os) {
  *os << state.text.size() << " characters, selection " << state.selection_start << " to "
      << state.selection_end << ", first visible line " << state.first_visible_line;
}

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
