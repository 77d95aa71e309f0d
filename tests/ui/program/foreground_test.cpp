// The keyboard comes back to MainWindow after every message box, with another
// program's window on the desktop. The box is task-modal with no owner, so
// while it is up MainWindow is disabled, and when it is destroyed the window
// system hands the activation to the next enabled window: the other one. A
// lone program hides this, so each test here has a top-level window of
// another thread open beside MainWindow.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "main_window_fixture.h"
#include "ui/main_window.h"

namespace macrange::ui {
namespace {

// Generous: the machine that runs these may be loaded.
constexpr DWORD kDeadlineMs = 10000;

// Pumps this thread's messages until done() holds or the deadline passes;
// returns done().
bool PumpUntil(const std::function<bool()>& done) {
  return test::PollUntil(
      [&] {
        test::PumpMessages();
        return done();
      },
      kDeadlineMs);
}

// Waits, without pumping, until done() holds or the deadline passes.
bool WaitUntil(const std::function<bool()>& done) { return test::PollUntil(done, kDeadlineMs); }

// Another program's top-level window, made and served by a thread of its own.
class OtherProgramWindow {
 public:
  OtherProgramWindow() : thread_([this] { Run(); }) {
    WaitUntil([this] { return window_.load() != nullptr; });
  }
  ~OtherProgramWindow() {
    WaitUntil([this] { return thread_id_.load() != 0; });
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND window() const { return window_; }

 private:
  void Run() {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes the thread's queue
    thread_id_ = GetCurrentThreadId();
    // Away from the centre of the screen, where MainWindow and the box are.
    HWND window = CreateWindowExW(0, L"STATIC", L"other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  0, 0, 200, 120, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    window_ = window;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(window);
  }

  std::atomic<HWND> window_{nullptr};
  std::atomic<DWORD> thread_id_{0};
  std::thread thread_;
};

// How the user closes the box.
enum class Dismiss { kEnter, kEsc, kOkButton, kCloseButton };

const char* NameOf(Dismiss how) {
  switch (how) {
    case Dismiss::kEnter:
      return "Enter";
    case Dismiss::kEsc:
      return "Esc";
    case Dismiss::kOkButton:
      return "OK button";
    case Dismiss::kCloseButton:
      return "close button";
  }
  return "";
}

// What a key or a click does to the box, as it reaches the box's thread.
void PostKey(HWND target, WPARAM key) {
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageW(target, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
}

void DismissBox(HWND box, Dismiss how) {
  const HWND ok = GetDlgItem(box, IDOK);
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
  const HWND focus = info.hwndFocus ? info.hwndFocus : ok;
  switch (how) {
    case Dismiss::kEnter:
      PostKey(focus, VK_RETURN);
      break;
    case Dismiss::kEsc:
      PostKey(focus, VK_ESCAPE);
      break;
    case Dismiss::kOkButton:
      PostMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      PostMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
      break;
    case Dismiss::kCloseButton:
      // What a click on the title bar's close button sends.
      PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

// Finds the program's message box from a thread of its own once it is up and
// has the focus, and closes it the way it is told. A box it could not close
// so is closed with IDOK, so that the test fails instead of hanging.
class BoxCloser {
 public:
  explicit BoxCloser(Dismiss how)
      : thread_([this, how] {
          HWND box = nullptr;
          const bool up =
              WaitUntil([&] { return stop_ || (box = test::FindMessageBoxOfThisProcess()); });
          if (!up || stop_) return;
          found_ = true;
          // The box takes the keys once it is the foreground window with its
          // button focused.
          WaitUntil([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
            return GetForegroundWindow() == box && info.hwndFocus && IsChild(box, info.hwndFocus);
          });
          DismissBox(box, how);
          closed_as_told_ = WaitUntil([&] { return !IsWindow(box); });
          if (!closed_as_told_) PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }) {}
  ~BoxCloser() {
    stop_ = true;
    Join();
  }
  // Waits until the closer is done with the box it found (or found none
  // within the deadline).
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  bool found() const { return found_; }
  bool closed_as_told() const { return closed_as_told_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> found_{false};
  std::atomic<bool> closed_as_told_{false};
  std::thread thread_;
};

class KeyboardComesBack : public test::MainWindowTest {
 protected:
  void SetUp() override {
    other_ = std::make_unique<OtherProgramWindow>();
    ASSERT_NE(other_->window(), nullptr);
    test::MainWindowTest::SetUp();
    SetForegroundWindow(window());
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == window(); }));
  }
  void TearDown() override {
    test::MainWindowTest::TearDown();
    other_.reset();
  }

  std::unique_ptr<OtherProgramWindow> other_;
};

enum class Box { kCompletion, kRefusal };

struct Case {
  Box box;
  Dismiss how;
  int focused;        // the control that has the focus at the press
  bool click_button;  // pressed by a click on 按钮1 itself, which takes the focus
};

TEST_F(KeyboardComesBack, AfterEveryKindOfBoxClosedEveryWay) {
  const Case cases[] = {
      {Box::kCompletion, Dismiss::kEnter, kIdGenerateButton, true},
      {Box::kCompletion, Dismiss::kEsc, kIdStartBox, false},
      {Box::kCompletion, Dismiss::kOkButton, kIdOutputBox, false},
      {Box::kCompletion, Dismiss::kCloseButton, kIdEndBox, false},
      {Box::kRefusal, Dismiss::kEnter, kIdEndBox, false},
      {Box::kRefusal, Dismiss::kEsc, kIdGenerateButton, true},
      {Box::kRefusal, Dismiss::kOkButton, kIdStartBox, false},
      {Box::kRefusal, Dismiss::kCloseButton, kIdOutputBox, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.box == Box::kCompletion ? "completion box" : "refusal box")
                                    << " closed with " << NameOf(c.how) << ", focus on "
                                    << c.focused);
    SetForegroundWindow(window());
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == window(); }));
    SetFocus(Control(c.focused));
    ASSERT_EQ(GetFocus(), Control(c.focused));
    if (c.box == Box::kCompletion) {
      Type("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01");
    } else {
      Type("AA:BB:CC:DD:EE", "AA:BB:CC:DD:EF:01");
    }

    {
      BoxCloser closer(c.how);
      if (c.click_button) {
        Press(kIdGenerateButton);
      } else {
        // The click's notification, with the focus left where it was.
        SendMessageW(window(), WM_COMMAND, MAKEWPARAM(kIdGenerateButton, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(kIdGenerateButton)));
      }
      closer.Join();
      ASSERT_TRUE(closer.found());
      EXPECT_TRUE(closer.closed_as_told());
    }

    const HWND expected_focus = Control(c.focused);
    PumpUntil([&] { return GetForegroundWindow() == window() && GetFocus() == expected_focus; });
    EXPECT_EQ(GetForegroundWindow(), window()) << "the other program has it";
    EXPECT_EQ(GetActiveWindow(), window());
    EXPECT_EQ(GetFocus(), expected_focus);
  }
}

}  // namespace
}  // namespace macrange::ui
