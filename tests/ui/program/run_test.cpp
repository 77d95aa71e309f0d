// Start-up, the message loop and the end of the program, run in this process:
// closing the window ends RunProgram with 0; a window that cannot be made and
// memory that runs out end it with a message and their own exit codes.
#include "ui/program.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <thread>

#include "message_box_watcher.h"
#include "ui/main_window.h"
#include "ui/texts.h"

// Allocation that can be made to fail, for the out-of-memory test. Replacing
// the global operator new is how a program sees every allocation at once.
namespace {
std::atomic<bool> g_refuse_allocation{false};
}  // namespace

void* operator new(std::size_t size) {
  if (g_refuse_allocation.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace macrange::ui {
namespace {

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
class CloserThread {
 public:
  explicit CloserThread(std::function<void(HWND)> close)
      : thread_([this, close] {
          using namespace std::chrono_literals;
          for (int i = 0; i < 3000 && !stop_; ++i) {
            if (HWND window = FindShownMainWindow()) {
              std::this_thread::sleep_for(100ms);  // the loop is running by now
              close(window);
              return;
            }
            std::this_thread::sleep_for(10ms);
          }
        }) {}
  ~CloserThread() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Which windows a CBT hook refuses to let the window system make.
enum class Refuse { kMainWindow, kOutputBox };
Refuse g_refuse = Refuse::kMainWindow;

LRESULT CALLBACK RefuseCreation(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
    // MainWindow is the only top-level window with a minimise box (the
    // message box has none); the output box is the multi-line child with
    // identifier 100.
    const bool main_window = !cs->hwndParent && (cs->style & WS_MINIMIZEBOX);
    const bool output_box = cs->hwndParent && (cs->style & ES_MULTILINE) &&
                            cs->hMenu == reinterpret_cast<HMENU>(INT_PTR{kIdOutputBox});
    if ((g_refuse == Refuse::kMainWindow && main_window) ||
        (g_refuse == Refuse::kOutputBox && output_box)) {
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

bool AnyVisibleWindowOfThisProcess() {
  return FindVisibleWindow([](HWND) { return true; }) != nullptr;
}

TEST(RunProgram, AWindowThatCannotBeMadeIsToldAndEndsWithItsCode) {
  for (Refuse refuse : {Refuse::kMainWindow, Refuse::kOutputBox}) {
    SCOPED_TRACE(refuse == Refuse::kMainWindow ? "main window refused" : "output box refused");
    g_refuse = refuse;
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
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, LoadText(IDS_FAILURE_CAPTION));
    EXPECT_EQ(seen[0].text, LoadText(IDS_WINDOW_NOT_MADE));
    EXPECT_EQ(MainWindowHandle(), nullptr);
    EXPECT_FALSE(AnyVisibleWindowOfThisProcess()) << "nothing is half-shown";
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

DWORD WINAPI CloseOutOfMemoryBox(void*) {
  for (int i = 0; i < 3000; ++i) {
    const HWND box = FindVisibleWindow([](HWND w) {
      wchar_t cls[16] = {};
      GetClassNameW(w, cls, 16);
      return wcscmp(cls, L"#32770") == 0;
    });
    if (box) {
      Sleep(50);
      for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t text[128] = {};
        GetWindowTextW(c, text, 128);
        if (wcscmp(text, g_expected_text) == 0) std::fputs("out-of-memory message shown\n", stderr);
      }
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      return 0;
    }
    Sleep(10);
  }
  return 0;
}

void PressWithMemoryGone() {
  HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
  if (!window) return;
  ShowWindow(window, SW_SHOW);
  SetWindowTextW(MainWindowControl(kIdStartBox), L"AA:BB:CC:DD:EE:FE");
  SetWindowTextW(MainWindowControl(kIdEndBox), L"AA:BB:CC:DD:EF:01");
  LoadTextInto(IDS_OUT_OF_MEMORY, g_expected_text);
  CreateThread(nullptr, 0, CloseOutOfMemoryBox, nullptr, 0, nullptr);
  g_refuse_allocation = true;
  SendMessageW(MainWindowControl(kIdGenerateButton), BM_CLICK, 0, 0);
}

TEST(OutOfMemory, InAPressIsToldAndEndsTheProgramWithItsCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(PressWithMemoryGone(), testing::ExitedWithCode(kExitOutOfMemory),
              "out-of-memory message shown");
}

}  // namespace
}  // namespace macrange::ui
