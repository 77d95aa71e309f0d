// The window services on edit boxes made like 编辑框1, and the clipboard.
#include "ui/services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard_support.h"
#include "edit_host.h"
#include "message_box_watcher.h"
#include "ui/line_sink.h"
#include "ui/texts.h"
#include "win/codepage.h"

namespace macrange::ui {
namespace {

using test::ClipboardBlock;
using test::EditHost;
using test::MessageBoxWatcher;
using test::WindowTextW;

// "啊" in code page 936.
constexpr std::string_view kAh = "\xB0\xA1";

// n lines made like the generator's, in code page 936.
std::string Lines(int first, int n) {
  std::string text;
  for (int i = first; i < first + n; ++i) {
    char line[32];
    snprintf(line, sizeof line, "AA:BB:CC:DD:%02X:%02X\r\n", (i / 256) & 0xFF, i % 256);
    text += line;
  }
  return text;
}

struct Selection {
  DWORD start = 0;
  DWORD end = 0;
  bool operator==(const Selection&) const = default;
};

Selection SelectionOf(HWND box) {
  Selection s;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
  return s;
}

LRESULT FirstVisibleLine(HWND box) { return SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0); }

TEST(ReadControlText, GivesTheBytesInCodePage936) {
  EditHost host;
  const std::vector<std::string> texts = {"", "AA:BB:CC:DD:EE:FE", std::string(kAh) + "x\r\nyz",
                                          Lines(0, 4000)};
  for (const std::string& text : texts) {
    SetWindowTextW(host.box(), win::WideFrom936(text).c_str());
    EXPECT_EQ(ReadControlText(host.box()), text);
  }
}

TEST(AppendEditText, GoesAfterEverythingWhateverTheUserSelected) {
  EditHost host;
  // Chinese text makes the box's length in UTF-16 units differ from its bytes.
  const std::string user = std::string(kAh) + "typed\r\n" + std::string(kAh) + "more";
  SetWindowTextW(host.box(), win::WideFrom936(user).c_str());
  SendMessageW(host.box(), EM_SETSEL, 2, 6);
  SendMessageW(host.box(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x"));  // undoable

  AppendEditText(host.box(), "AA:BB:CC:DD:EE:FE\r\n");

  const std::wstring expected = win::WideFrom936(user).replace(2, 4, L"x") + L"AA:BB:CC:DD:EE:FE\r\n";
  EXPECT_EQ(WindowTextW(host.box()), expected);
  const DWORD end = static_cast<DWORD>(expected.size());
  EXPECT_EQ(SelectionOf(host.box()), (Selection{end, end}));
  EXPECT_EQ(SendMessageW(host.box(), EM_CANUNDO, 0, 0), FALSE);
}

// Lines gathered by WindowLineSink must leave the box exactly as appending them
// one at a time does: text, caret and scroll position.
TEST(WindowLineSink, EndsLikeLineByLineAppending) {
  struct Case {
    int lines_before;
    int lines_added;
    bool select_in_middle;
  };
  const Case cases[] = {{0, 4, false}, {0, 1280, false}, {3, 2, true}, {500, 1280, true},
                        {30, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lines_before << " lines, adding " << c.lines_added);
    EditHost host(2);
    const std::string before = Lines(0, c.lines_before);
    const std::string added = Lines(c.lines_before, c.lines_added);
    for (int i = 0; i < 2; ++i) {
      SetWindowTextW(host.box(i), win::WideFrom936(before).c_str());
      const int middle = c.select_in_middle ? c.lines_before * 19 / 2 : 0;
      SendMessageW(host.box(i), EM_SETSEL, middle, middle + (c.select_in_middle ? 5 : 0));
      SendMessageW(host.box(i), EM_SCROLLCARET, 0, 0);
    }
    for (std::size_t at = 0; at < added.size(); at += 19) {
      AppendEditText(host.box(0), std::string_view(added).substr(at, 19));
    }
    WindowLineSink sink(host.box(1));
    for (std::size_t at = 0; at < added.size(); at += 19) {
      sink.AppendLine(std::string_view(added).substr(at, 19));
    }
    EXPECT_EQ(WindowTextW(host.box(1)), win::WideFrom936(before)) << "nothing before the flush";
    sink.Flush();

    EXPECT_EQ(WindowTextW(host.box(1)), win::WideFrom936(before + added));
    EXPECT_EQ(WindowTextW(host.box(1)), WindowTextW(host.box(0)));
    EXPECT_EQ(SelectionOf(host.box(1)), SelectionOf(host.box(0)));
    EXPECT_EQ(FirstVisibleLine(host.box(1)), FirstVisibleLine(host.box(0)));
  }
}

TEST(WindowLineSink, ShowsTheLinesBeforeTheCompletionMessage) {
  EditHost host;
  MessageBoxWatcher watcher(host.window(), host.box());
  WindowLineSink sink(host.box());
  sink.AppendLine("AA:BB:CC:DD:EF:00\r\n");
  sink.AppendLine("AA:BB:CC:DD:EF:01\r\n");
  sink.NotifyCompleted(kCompletionMessage);

  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].watched_edit_text, L"AA:BB:CC:DD:EF:00\r\nAA:BB:CC:DD:EF:01\r\n");
  EXPECT_EQ(seen[0].text, win::WideFrom936(kCompletionMessage));
  sink.Flush();  // nothing is left to add
  EXPECT_EQ(WindowTextW(host.box()), L"AA:BB:CC:DD:EF:00\r\nAA:BB:CC:DD:EF:01\r\n");
}

TEST(ShowMessage, IsATaskModalBoxWithOneOkButtonAndNoIcon) {
  EditHost host;
  MessageBoxWatcher watcher(host.window());
  ShowMessage(kCompletionMessage);

  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, LoadText(IDS_MESSAGE_CAPTION));
  EXPECT_EQ(seen[0].text, win::WideFrom936(kCompletionMessage));
  EXPECT_EQ(seen[0].buttons.size(), 1u);
  EXPECT_FALSE(seen[0].has_icon);
  EXPECT_FALSE(seen[0].has_owner);
  EXPECT_FALSE(seen[0].watched_window_enabled) << "task-modal: the thread's windows take no input";
  EXPECT_TRUE(IsWindowEnabled(host.window())) << "enabled again once the box is closed";
}

TEST(SetClipboardText, PlacesTheBytesWithOneZeroByteAndTheSameUnicodeText) {
  const std::vector<std::string> texts = {"", Lines(0, 4), std::string(kAh) + "\r\nx",
                                          Lines(0, 1280)};
  EditHost host;
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 20));
    test::PutClipboardUnicode(L"earlier content");
    ASSERT_TRUE(SetClipboardText(host.window(), text));
    // Windows refuses SetClipboardData on a clipboard emptied with no owner.
    EXPECT_EQ(GetClipboardOwner(), host.window());

    const auto ansi = ClipboardBlock(CF_TEXT);
    ASSERT_TRUE(ansi.has_value());
    EXPECT_EQ(*ansi, text + '\0');
    const auto unicode = ClipboardBlock(CF_UNICODETEXT);
    ASSERT_TRUE(unicode.has_value());
    const std::wstring wide = win::WideFrom936(text) + L'\0';
    EXPECT_EQ(*unicode, std::string(reinterpret_cast<const char*>(wide.data()),
                                    wide.size() * sizeof(wchar_t)));
  }
}

TEST(SetClipboardText, ChangesNothingWhileAnotherProgramHoldsTheClipboard) {
  EditHost host;
  test::PutClipboardUnicode(L"earlier content");
  {
    test::ClipboardHolder holder;
    ASSERT_TRUE(holder.holding());
    EXPECT_FALSE(SetClipboardText(host.window(), Lines(0, 4)));
  }
  const auto unicode = ClipboardBlock(CF_UNICODETEXT);
  ASSERT_TRUE(unicode.has_value());
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(unicode->data())), L"earlier content");
}

}  // namespace
}  // namespace macrange::ui
