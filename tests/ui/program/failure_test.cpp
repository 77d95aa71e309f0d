// Failures a lone program under Wine seldom meets: GetMessage failing over and
// over, and the labels painted while memory is gone. The message loop sets the
// loop-entered flag for the life of the process, so these live in a program of
// their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

#include "message_box_watcher.h"
#include "refusable_new.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/texts.h"

namespace macrange::ui {
namespace {

using test::g_allocations_left;
using test::MessageBoxWatcher;

// A stand-in for GetMessageW that plays a script: -1 for a failure, 1 for an
// ordinary message (WM_NULL to no window), 0 for WM_QUIT with kQuitCode. Past
// the script's end it fails for ever. WINAPI: the loop calls it as it calls
// GetMessageW, which is stdcall on x86.
std::vector<int> g_script;
std::size_t g_fetches = 0;
constexpr WPARAM kQuitCode = 7;

BOOL WINAPI ScriptedFetch(MSG* msg, HWND, UINT, UINT) {
  const int step = g_fetches < g_script.size() ? g_script[g_fetches] : -1;
  ++g_fetches;
  *msg = MSG{};
  if (step == 0) {
    msg->message = WM_QUIT;
    msg->wParam = kQuitCode;
  } else {
    msg->message = WM_NULL;
  }
  return step;
}

void Play(std::vector<int> script) {
  g_script = std::move(script);
  g_fetches = 0;
}

TEST(MessageLoop, FailuresInARowEndItWithAMessageAndItsCode) {
  Play({1, -1, 1});  // then failures for ever
  MessageBoxWatcher watcher;
  const int code = RunMessageLoop(ScriptedFetch);

  EXPECT_EQ(code, kExitMessageLoopFailed);
  EXPECT_NE(code, 0);
  EXPECT_EQ(g_fetches, 3u + kMostFetchFailures) << "it ends at the run's length, no later";
  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, LoadText(IDS_FAILURE_CAPTION));
  EXPECT_EQ(seen[0].text, LoadText(IDS_MESSAGE_LOOP_FAILED));
}

TEST(MessageLoop, FailuresBrokenByMessagesDoNotEndIt) {
  // A failure to fetch one message is not the end: runs one short of the
  // limit, each broken by a message, then the quit message.
  std::vector<int> script;
  for (int run = 0; run < 3; ++run) {
    script.insert(script.end(), kMostFetchFailures - 1, -1);
    script.push_back(1);
  }
  script.push_back(0);
  Play(script);
  MessageBoxWatcher watcher;

  EXPECT_EQ(RunMessageLoop(ScriptedFetch), static_cast<int>(kQuitCode));
  EXPECT_EQ(g_fetches, script.size());
  EXPECT_TRUE(watcher.Seen().empty());
}

// The labels paint inside their window procedure, which on the x86 build no
// C++ exception may leave: painting must not allocate. (An exception thrown
// there ends the x86 process at once; on x64 it reaches the catch below.)
TEST(Label, PaintsTheSameWithMemoryGone) {
  HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
  ASSERT_NE(window, nullptr);
  const HWND label = MainWindowControl(kIdStartLabel);
  RECT area;
  GetClientRect(label, &area);
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);

  auto draw = [&] {
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  };
  auto pixels = [&] {
    std::vector<COLORREF> read;
    for (int y = 0; y < area.bottom; ++y) {
      for (int x = 0; x < area.right; ++x) read.push_back(GetPixel(dc, x, y));
    }
    return read;
  };
  draw();
  const std::vector<COLORREF> with_memory = pixels();
  bool threw = false;
  g_allocations_left = 0;
  try {
    draw();
  } catch (const std::bad_alloc&) {
    threw = true;
  }
  g_allocations_left = -1;
  const std::vector<COLORREF> without_memory = pixels();

  EXPECT_FALSE(threw) << "an exception left the label's window procedure";
  EXPECT_EQ(without_memory, with_memory);
  const COLORREF black = RGB(0, 0, 0);
  EXPECT_NE(std::count(with_memory.begin(), with_memory.end(), black), 0) << "the caption is drawn";

  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  DestroyWindow(window);
}

}  // namespace
}  // namespace macrange::ui
