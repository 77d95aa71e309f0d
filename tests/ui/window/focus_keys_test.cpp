// Focus and keys: where the focus starts and returns, the focus cycle both
// ways, and what Tab, Shift+Tab, Enter, Esc, F1 and Alt+letter do from each
// control, through the same path as the program's message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace macrange::test {
namespace {

// The focus cycle: 编辑框1, 按钮1, 按钮2, 编辑框2, 编辑框3.
const std::vector<int> kCycle = {ui::kIdOutputBox, ui::kIdGenerateButton, ui::kIdCopyButton,
                                 ui::kIdStartBox, ui::kIdEndBox};

class FocusTest : public MainWindowTest {
 protected:
  int FocusId() const {
    const HWND focus = GetFocus();
    return focus && GetParent(focus) == window_ ? GetDlgCtrlID(focus) : 0;
  }

  void Focus(int id) {
    SetFocus(Control(id));
    Pump();
    ASSERT_EQ(FocusId(), id);
    ClearDispatchedKeys();
  }

  void ExpectBoxesEmpty() {
    for (const int id : {ui::kIdOutputBox, ui::kIdStartBox, ui::kIdEndBox}) {
      EXPECT_EQ(GetWindowTextLengthW(Control(id)), 0) << id;
    }
  }

  // Whether any key or character message for `key` reached a window.
  static bool Dispatched(UINT message, WPARAM key) {
    for (const DispatchedKey& k : DispatchedKeys()) {
      if (k.message == message && k.wparam == key) return true;
    }
    return false;
  }

  static bool AnyCharacterDispatched() {
    for (const DispatchedKey& k : DispatchedKeys()) {
      if (k.message == WM_CHAR || k.message == WM_SYSCHAR || k.message == WM_DEADCHAR) return true;
    }
    return false;
  }
};

TEST_F(FocusTest, FocusStartsInTheOutputBox) { EXPECT_EQ(FocusId(), ui::kIdOutputBox); }

TEST_F(FocusTest, TabWalksTheCycleForwardAndTypesNothing) {
  std::vector<int> seen;
  for (std::size_t i = 0; i < kCycle.size(); ++i) {
    PressKey(VK_TAB);
    seen.push_back(FocusId());
  }
  const std::vector<int> expected = {ui::kIdGenerateButton, ui::kIdCopyButton, ui::kIdStartBox,
                                     ui::kIdEndBox, ui::kIdOutputBox};
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(AnyCharacterDispatched());
  ExpectBoxesEmpty();
}

TEST_F(FocusTest, ShiftTabWalksTheCycleBackwardAndTypesNothing) {
  std::vector<int> seen;
  for (std::size_t i = 0; i < kCycle.size(); ++i) {
    PressKey(VK_TAB, {.shift = true});
    seen.push_back(FocusId());
  }
  const std::vector<int> expected = {ui::kIdEndBox, ui::kIdStartBox, ui::kIdCopyButton,
                                     ui::kIdGenerateButton, ui::kIdOutputBox};
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(AnyCharacterDispatched());
  ExpectBoxesEmpty();
}

TEST_F(FocusTest, TabAndShiftTabFromEachControl) {
  for (std::size_t i = 0; i < kCycle.size(); ++i) {
    SCOPED_TRACE(kCycle[i]);
    Focus(kCycle[i]);
    PressKey(VK_TAB);
    EXPECT_EQ(FocusId(), kCycle[(i + 1) % kCycle.size()]);
    Focus(kCycle[i]);
    PressKey(VK_TAB, {.shift = true});
    EXPECT_EQ(FocusId(), kCycle[(i + kCycle.size() - 1) % kCycle.size()]);
  }
  ExpectBoxesEmpty();
}

TEST_F(FocusTest, CtrlTabTypesNoTabEither) {
  PressKey(VK_TAB, {.ctrl = true});
  EXPECT_EQ(GetWindowTextLengthW(Control(ui::kIdOutputBox)), 0);
}

TEST_F(FocusTest, CycleSkipsADisabledControl) {
  EnableWindow(Control(ui::kIdCopyButton), FALSE);
  Focus(ui::kIdGenerateButton);
  PressKey(VK_TAB);
  EXPECT_EQ(FocusId(), ui::kIdStartBox);
  PressKey(VK_TAB, {.shift = true});
  EXPECT_EQ(FocusId(), ui::kIdGenerateButton);
}

TEST_F(FocusTest, EnterStartsANewLineInTheOutputBox) {
  SetWindowTextW(Control(ui::kIdOutputBox), L"AA:BB:CC:DD:EE:FF");
  SendMessageW(Control(ui::kIdOutputBox), EM_SETSEL, 17, 17);
  PressKey(VK_RETURN);
  EXPECT_EQ(TextOf(Control(ui::kIdOutputBox)), L"AA:BB:CC:DD:EE:FF\r\n");
  EXPECT_EQ(FocusId(), ui::kIdOutputBox);
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(FocusTest, EnterDoesNothingAnywhereElse) {
  for (const int id : {ui::kIdGenerateButton, ui::kIdCopyButton, ui::kIdStartBox, ui::kIdEndBox}) {
    SCOPED_TRACE(id);
    Focus(id);
    PressKey(VK_RETURN);
    EXPECT_EQ(FocusId(), id);
    // Neither the key nor its character reached the control: no click, no beep.
    EXPECT_FALSE(Dispatched(WM_KEYDOWN, VK_RETURN));
    EXPECT_FALSE(AnyCharacterDispatched());
  }
  ASSERT_TRUE(IsWindow(window_));
  EXPECT_EQ(Calls().generate, 0);
  EXPECT_EQ(Calls().copy, 0);
  ExpectBoxesEmpty();
}

TEST_F(FocusTest, ModifiedEnterTypesNoLineBreakIntoAnAddressBox) {
  for (const int id : {ui::kIdStartBox, ui::kIdEndBox}) {
    Focus(id);
    PressKey(VK_RETURN, {.ctrl = true});
    PressKey(VK_RETURN, {.shift = true});
    EXPECT_EQ(GetWindowTextLengthW(Control(id)), 0) << id;
    EXPECT_FALSE(Dispatched(WM_CHAR, L'\r')) << id;
    EXPECT_FALSE(Dispatched(WM_CHAR, L'\n')) << id;
  }
}

// Records what reaches the window procedure of MainWindow itself.
struct WindowSpy {
  static inline WNDPROC original = nullptr;
  static inline std::vector<UINT> seen;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_SYSCOMMAND || msg == WM_HELP || msg == WM_CLOSE) seen.push_back(msg);
    return CallWindowProcW(original, hwnd, msg, wparam, lparam);
  }

  explicit WindowSpy(HWND window) : window(window) {
    seen.clear();
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~WindowSpy() {
    if (IsWindow(window)) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  }
  HWND window;
};

TEST_F(FocusTest, F1AndAltWithALetterDoNothing) {
  WindowSpy spy(window_);
  for (const int id : kCycle) {
    SCOPED_TRACE(id);
    Focus(id);
    PressKey(VK_F1);
    PressKey('A', {.alt = true});
    PressKey('K', {.alt = true});
    EXPECT_EQ(FocusId(), id);
    // The letters reach no control (whose menu handling would beep).
    EXPECT_FALSE(AnyCharacterDispatched());
  }
  EXPECT_TRUE(WindowSpy::seen.empty()) << WindowSpy::seen.front();
  ASSERT_TRUE(IsWindow(window_));
  EXPECT_EQ(Calls().generate, 0);
  EXPECT_EQ(Calls().copy, 0);
  ExpectBoxesEmpty();
}

class EscTest : public FocusTest, public ::testing::WithParamInterface<int> {};

TEST_P(EscTest, EscClosesTheWindowFromEveryControl) {
  Focus(GetParam());
  WindowSpy spy(window_);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(WindowSpy::seen, std::vector<UINT>{WM_CLOSE});
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(ui::MainWindowHandle(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EachControl, EscTest, ::testing::ValuesIn(kCycle));

// Another top-level window of the thread, to take the activation away.
class OtherWindow {
 public:
  OtherWindow() {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 0, 0,
                            120, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~OtherWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

TEST_F(FocusTest, FocusReturnsToTheControlThatHadItAtDeactivation) {
  Focus(ui::kIdCopyButton);
  OtherWindow other;
  ASSERT_TRUE(Activate(other.hwnd()));
  EXPECT_NE(GetFocus(), Control(ui::kIdCopyButton));
  ASSERT_TRUE(Activate(window_));
  EXPECT_EQ(FocusId(), ui::kIdCopyButton);
}

TEST_F(FocusTest, FocusGoesToTheOutputBoxWhenThatControlIsGone) {
  Focus(ui::kIdEndBox);
  OtherWindow other;
  ASSERT_TRUE(Activate(other.hwnd()));
  DestroyWindow(Control(ui::kIdEndBox));
  ASSERT_TRUE(Activate(window_));
  EXPECT_EQ(FocusId(), ui::kIdOutputBox);
}

}  // namespace
}  // namespace macrange::test
