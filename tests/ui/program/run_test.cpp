// Start-up, the message loop and the end of the program, run in this process:
// closing the window ends RunProgram with 0; a window that cannot be made and
// memory that runs out, at start-up or in a press, end it with a message and
// their own exit codes, with nothing half-shown.
#include "ui/program.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <thread>

#include "message_box_watcher.h"
#include "refusable_new.h"
#include "ui/main_window.h"
#include "ui/texts.h"

namespace macrange::ui {
namespace {

using test::g_allocations_left;
using test::g_limited_thread;
using test::MessageBoxWatcher;

struct Found {
  DWORD process;
  bool (*match)(HWND);
  HWND window;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* f = reinterpret_cast<Found*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != f->process || !IsWindowVisible(window) || !f->match(window)) return TRUE;
  f->window = window;
  return FALSE;
}

// A visible top-level window of this process for which match holds. Allocates
// nothing, so it serves where operator new refuses everything.
HWND FindVisibleWindow(bool (*match)(HWND)) {
  Found found{GetCurrentProcessId(), match, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

// MainWindow as another thread sees it: the window that holds the output box.
HWND FindShownMainWindow() {
  return FindVisibleWindow([](HWND w) { return GetDlgItem(w, kIdOutputBox) != nullptr; });
}

// Does `close` to MainWindow from another thread once the window is shown.
// `close` posts: a posted message waits in the queue until the loop takes it,
// so it does not matter whether the loop has begun.
class CloserThread {
 public:
  explicit CloserThread(std::function<void(HWND)> close)
      : thread_([this, close] {
          HWND window = nullptr;
          test::PollUntil([this, &window] { return stop_ || (window = FindShownMainWindow()); });
          if (window) close(window);
        }) {}
  ~CloserThread() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

bool AnyVisibleWindowOfThisProcess() {
  return FindVisibleWindow([](HWND) { return true; }) != nullptr;
}

// Which window a CBT hook refuses to let the window system make: MainWindow
// (0), or the control with this identifier.
int g_refused_id = 0;
// Whether any window of the process was visible when the refusal came.
bool g_visible_when_refused = false;

LRESULT CALLBACK RefuseCreation(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
    // MainWindow is the only top-level window with a minimise box (the
    // message box has none); a control is a child whose menu is its id.
    const bool refused =
        g_refused_id == 0
            ? !cs->hwndParent && (cs->style & WS_MINIMIZEBOX)
            : cs->hwndParent && cs->hMenu == reinterpret_cast<HMENU>(INT_PTR{g_refused_id});
    if (refused) {
      g_visible_when_refused = AnyVisibleWindowOfThisProcess();
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST(RunProgram, AWindowThatCannotBeMadeIsToldAndEndsWithItsCode) {
  // The controls are made from 编辑框1 to 标签2: the first and the last.
  const struct {
    const char* name;
    int id;
  } refusals[] = {{"MainWindow", 0}, {"编辑框1", kIdOutputBox}, {"标签2", kIdEndLabel}};
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.name);
    g_refused_id = refusal.id;
    g_visible_when_refused = true;
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    int code = -1;
    std::vector<test::SeenMessageBox> seen;
    {
      MessageBoxWatcher watcher;
      // Should the window be made after all, it is closed, and the test fails
      // instead of waiting for ever.
      CloserThread closer([](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); });
      code = RunProgram(GetModuleHandleW(nullptr));
      seen = watcher.Seen();
    }
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(code, kExitWindowNotMade);
    EXPECT_FALSE(g_visible_when_refused) << "nothing is shown while the window is being made";
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, LoadText(IDS_FAILURE_CAPTION));
    EXPECT_EQ(seen[0].text, LoadText(IDS_WINDOW_NOT_MADE));
    EXPECT_FALSE(seen[0].other_window_visible) << "nothing is half-shown beside the message";
    EXPECT_EQ(MainWindowHandle(), nullptr);
    EXPECT_FALSE(AnyVisibleWindowOfThisProcess());
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "no quit message before the loop has begun";
  }
}

// Runs after the tests above: once the loop has run, the flag stays set.
TEST(RunProgram, ClosingTheWindowEndsWithExitCodeZero) {
  const struct {
    const char* how;
    std::function<void(HWND)> close;
  } ways[] = {
      {"Esc in the output box",
       [](HWND w) { PostMessageW(GetDlgItem(w, kIdOutputBox), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
      {"close button or system menu",
       [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"WM_CLOSE", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    CloserThread closer(way.close);
    EXPECT_EQ(RunProgram(GetModuleHandleW(nullptr)), 0);
    EXPECT_EQ(MainWindowHandle(), nullptr);
  }
}

// The out-of-memory message, found and closed without allocating: in the
// dying process operator new refuses everything.
wchar_t g_expected_text[128];

void NoteExpectedOutOfMemoryText() { LoadTextInto(IDS_OUT_OF_MEMORY, g_expected_text); }

bool SaysOutOfMemory(HWND box) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t text[128] = {};
    GetWindowTextW(c, text, 128);
    if (wcscmp(text, g_expected_text) == 0) return true;
  }
  return false;
}

DWORD WINAPI CloseOutOfMemoryBox(void*) {
  HWND box = nullptr;
  if (!test::PollUntil([&box] { return (box = test::FindMessageBoxOfThisProcess()) != nullptr; })) {
    return 0;
  }
  if (test::WaitUntilBoxReady(box) && SaysOutOfMemory(box)) {
    std::fputs("out-of-memory message shown\n", stderr);
  }
  test::CloseBoxWithOk(box);
  return 0;
}

void PressWithMemoryGone() {
  HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
  if (!window) return;
  ShowWindow(window, SW_SHOW);
  SetWindowTextW(MainWindowControl(kIdStartBox), L"AA:BB:CC:DD:EE:FE");
  SetWindowTextW(MainWindowControl(kIdEndBox), L"AA:BB:CC:DD:EF:01");
  NoteExpectedOutOfMemoryText();
  CreateThread(nullptr, 0, CloseOutOfMemoryBox, nullptr, 0, nullptr);
  g_allocations_left = 0;
  SendMessageW(MainWindowControl(kIdGenerateButton), BM_CLICK, 0, 0);
}

TEST(OutOfMemory, InAPressIsToldAndEndsTheProgramWithItsCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(PressWithMemoryGone(), testing::ExitedWithCode(kExitOutOfMemory),
              "out-of-memory message shown");
}

// Start-up with its k-th allocation refused ends in one of two ways, which the
// watching thread checks without allocating: the out-of-memory message with
// no other window of the process shown, or, when start-up needs fewer than k
// allocations, MainWindow shown whole, which it then closes. Anything else
// ends the process with kStartUpWrong.
constexpr int kStartUpWrong = 77;
std::atomic<bool> g_start_up_wrong{false};

bool IsMessageBox(HWND window) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  return wcscmp(cls, L"#32770") == 0;
}

bool IsWhole(HWND window) {
  for (const int id : {kIdOutputBox, kIdGenerateButton, kIdCopyButton, kIdStartBox, kIdEndBox,
                       kIdStartLabel, kIdEndLabel}) {
    if (!IsWindowVisible(GetDlgItem(window, id))) return false;
  }
  return true;
}

DWORD WINAPI WatchStartUp(void*) {
  HWND box = nullptr;
  HWND window = nullptr;
  test::PollUntil([&box, &window] {
    box = test::FindMessageBoxOfThisProcess();
    window = box ? nullptr : FindShownMainWindow();
    return box || window;
  });
  if (box) {
    const bool told = test::WaitUntilBoxReady(box) && SaysOutOfMemory(box);
    const bool alone = !FindVisibleWindow([](HWND w) { return !IsMessageBox(w); });
    if (!told || !alone) g_start_up_wrong = true;
    test::CloseBoxWithOk(box);
  } else if (window) {
    if (!IsWhole(window)) g_start_up_wrong = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
  } else {
    g_start_up_wrong = true;  // neither came in time
  }
  return 0;
}

void StartUpWithAllocationRefused(long k) {
  NoteExpectedOutOfMemoryText();
  CreateThread(nullptr, 0, WatchStartUp, nullptr, 0, nullptr);
  g_limited_thread = GetCurrentThreadId();
  g_allocations_left = k - 1;
  const int code = RunProgram(GetModuleHandleW(nullptr));
  ExitProcess(g_start_up_wrong ? kStartUpWrong : static_cast<UINT>(code));
}

// The exit code of the last death test, read in this (the parent) process.
// Starts as kExitOutOfMemory, so the child, which never sees it set, runs on
// to its own death test.
int g_start_up_exit = kExitOutOfMemory;

bool RecordExit(int code) {
  g_start_up_exit = code;
  return true;
}

TEST(OutOfMemory, AtStartUpIsToldAndEndsTheProgramWithItsCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Each allocation start-up makes is refused in turn, until start-up makes
  // no k-th one and the window comes up whole.
  constexpr long kMostAllocationsTried = 64;
  long refused = 0;
  for (long k = 1; k <= kMostAllocationsTried; ++k) {
    SCOPED_TRACE(testing::Message() << "allocation " << k << " of start-up refused");
    g_start_up_exit = kExitOutOfMemory;
    EXPECT_EXIT(StartUpWithAllocationRefused(k), RecordExit, "");
    if (g_start_up_exit == 0) break;
    EXPECT_EQ(g_start_up_exit, kExitOutOfMemory);
    if (g_start_up_exit != kExitOutOfMemory) break;
    ++refused;
  }
  RecordProperty("start_up_allocations", static_cast<int>(refused));
}

}  // namespace
}  // namespace macrange::ui
