// Presses of 按钮1 and 按钮2 on the real window: the lines, the completion box,
// the refusals and the clipboard.
#include "ui/handlers.h"

#include <gtest/gtest.h>

#include <string>

#include "clipboard_support.h"
#include "core/address_range.h"
#include "main_window_fixture.h"
#include "ui/refusal_message.h"
#include "ui/services.h"
#include "ui/texts.h"

namespace macrange::ui {
namespace {

using test::ClipboardBlock;
using test::MainWindowTest;
using test::MessageBoxWatcher;

constexpr wchar_t kWorkedExampleLines[] =
    L"AA:BB:CC:DD:EE:FE\r\nAA:BB:CC:DD:EE:FF\r\nAA:BB:CC:DD:EF:00\r\nAA:BB:CC:DD:EF:01\r\n";

// "啊" in code page 936.
constexpr std::string_view kAh = "\xB0\xA1";

// Every line of five passes from AA:BB:CC:DD:EE:00.
std::wstring AllLinesFromEE00() {
  std::wstring text;
  for (int group5 = 0xEE; group5 < 0xEE + 5; ++group5) {
    for (int group6 = 0; group6 <= 0xFF; ++group6) {
      wchar_t line[32];
      swprintf(line, 32, L"AA:BB:CC:DD:%02X:%02X\r\n", group5, group6);
      text += line;
    }
  }
  return text;
}

std::wstring Wide(std::string_view text) { return win::WideFrom936(text); }

void ExpectCompletionBox(const test::SeenMessageBox& box) {
  EXPECT_EQ(box.caption, LoadText(IDS_MESSAGE_CAPTION));
  EXPECT_EQ(box.text, Wide(kCompletionMessage));
  EXPECT_EQ(box.buttons.size(), 1u);
  EXPECT_FALSE(box.has_icon);
  EXPECT_FALSE(box.has_owner);
}

using GeneratePress = MainWindowTest;

TEST_F(GeneratePress, WorkedExampleAppendsFourLinesThenShowsTheCompletionBox) {
  Type("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01");
  MessageBoxWatcher watcher(window(), OutputBox());
  Press(kIdGenerateButton);

  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  ExpectCompletionBox(seen[0]);
  EXPECT_FALSE(seen[0].watched_window_enabled) << "MainWindow takes no input while the box is up";
  EXPECT_EQ(seen[0].watched_edit_text, kWorkedExampleLines) << "every line is in before the box";
  EXPECT_EQ(OutputText(), kWorkedExampleLines);
  EXPECT_TRUE(IsWindowEnabled(window()));
}

TEST_F(GeneratePress, SecondPressAppendsTheSameLinesAfterTheFirst) {
  Type("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01");
  MessageBoxWatcher watcher(window(), OutputBox());
  Press(kIdGenerateButton);
  Press(kIdGenerateButton);

  EXPECT_EQ(OutputText(), std::wstring(kWorkedExampleLines) + kWorkedExampleLines);
  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].watched_edit_text, std::wstring(kWorkedExampleLines) + kWorkedExampleLines);
}

TEST_F(GeneratePress, LinesGoAfterTheTextWhateverTheUserLeftSelected) {
  const std::wstring user = Wide(std::string(kAh) + "typed\r\nby the user");
  for (const auto& [from, to] : {std::pair{3, 3}, std::pair{2, 9}, std::pair{0, -1}}) {
    SetWindowTextW(OutputBox(), user.c_str());
    SendMessageW(OutputBox(), EM_SETSEL, from, to);
    Type("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01");
    MessageBoxWatcher watcher(window(), OutputBox());
    Press(kIdGenerateButton);

    const std::wstring expected = user + kWorkedExampleLines;
    EXPECT_EQ(OutputText(), expected);
    DWORD start = 0, end = 0;
    SendMessageW(OutputBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, expected.size());
    EXPECT_EQ(end, expected.size());
  }
}

// Group 5 is written as typed in the first pass up to the longest served.
TEST_F(GeneratePress, LongZeroPaddedGroup5IsServedAsTyped) {
  const std::string longest = std::string(kLongestGroup5 - 2, '0') + "EE";
  for (const std::string& group5 : {std::string("00000000000000EE"), longest}) {
    SCOPED_TRACE(group5);
    SetWindowTextW(OutputBox(), L"");
    Type("AA:BB:CC:DD:" + group5 + ":FE", "AA:BB:CC:DD:EF:01");
    MessageBoxWatcher watcher(window(), OutputBox());
    Press(kIdGenerateButton);

    const std::wstring first = L"AA:BB:CC:DD:" + Wide(group5);
    EXPECT_EQ(OutputText(), first + L":FE\r\n" + first + L":FF\r\n" +
                                L"AA:BB:CC:DD:EF:00\r\nAA:BB:CC:DD:EF:01\r\n");
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    ExpectCompletionBox(seen[0]);
  }
}

TEST_F(GeneratePress, EndNeverMetAppendsFivePassesAndShowsNoBox) {
  Type("AA:BB:CC:DD:EE:00", "AA:BB:CC:DD:EE:ff");  // group 6 is written upper case
  MessageBoxWatcher watcher(window(), OutputBox());
  Press(kIdGenerateButton);

  const std::wstring expected = AllLinesFromEE00();
  EXPECT_EQ(OutputText(), expected);
  EXPECT_EQ(SendMessageW(OutputBox(), EM_GETLINECOUNT, 0, 0), 1281);  // and the empty last line
  EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(GeneratePress, RefusalsAreToldAndLeaveTheBoxAsItWas) {
  const struct {
    std::string start;
    std::string end;
    Refusal refusal;
  } cases[] = {
      {"AA:BB:CC:DD:EE", "AA:BB:CC:DD:EF:01", Refusal::kStartTooFewGroups},
      {"AA:BB:CC:DD:EE:", "AA:BB:CC:DD:EF:01", Refusal::kStartTooFewGroups},
      {"", "", Refusal::kStartTooFewGroups},
      {"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF", Refusal::kEndTooFewGroups},
      {"AA:BB:CC:DD:EE:FE", "", Refusal::kEndTooFewGroups},
      {"AA:BB:CC:DD:EE:8000000000000000", "AA:BB:CC:DD:EF:01", Refusal::kStartGroup6Negative},
      {"AA:BB:CC:DD:EE:FFFFFFFFFFFFFFFF", "AA:BB:CC:DD:EF:01", Refusal::kStartGroup6Negative},
      {"AA:BB:CC:DD:20000000000000:00", "AA:BB:CC:DD:EF:01", Refusal::kStartGroup5TooLarge},
      {"AA:BB:CC:DD:FFFFFFFFFFFFFFFF:00", "AA:BB:CC:DD:EF:01", Refusal::kStartGroup5TooLarge},
      {"AA:BB:CC:DD:" + std::string(kLongestGroup5 + 1, '0') + ":00", "AA:BB:CC:DD:EF:01",
       Refusal::kStartGroup5TooLong},
      {"AA:BB:CC:DD:" + std::string(4000, 'x') + ":00", "AA:BB:CC:DD:EF:01",
       Refusal::kStartGroup5TooLong},
      // the full-width colon an input method types in Chinese punctuation mode
      {"AA\xA3\xBA" "BB\xA3\xBA" "CC\xA3\xBA" "DD\xA3\xBA" "EE\xA3\xBA" "FE", "AA:BB:CC:DD:EF:01",
       Refusal::kStartTooFewGroups},
  };
  // Enough lines that the box scrolls, and the user's place in their middle:
  // a refusal must not move the caret, the selection or the scroll position.
  std::wstring before = Wide(std::string(kAh) + "user text\r\n");
  for (int i = 0; i < 20; ++i) before += kWorkedExampleLines;
  before += L"half a li";
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start.substr(0, 40) << " / " << c.end);
    SetWindowTextW(OutputBox(), before.c_str());
    const auto middle = static_cast<WPARAM>(before.size() / 2);
    SendMessageW(OutputBox(), EM_SETSEL, middle, middle + 5);
    SendMessageW(OutputBox(), EM_SCROLLCARET, 0, 0);
    const test::EditState user_state = test::EditStateOf(OutputBox());
    ASSERT_GT(user_state.first_visible_line, 0) << "the box must be scrolled for the check to tell";
    Type(c.start, c.end);
    MessageBoxWatcher watcher(window(), OutputBox());
    test::MessageCounter counter(OutputBox());
    Press(kIdGenerateButton);

    EXPECT_EQ(counter.Count(EM_REPLACESEL), 0) << "nothing is inserted, not even nothing";
    EXPECT_EQ(test::EditStateOf(OutputBox()), user_state);

    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, LoadText(IDS_MESSAGE_CAPTION));
    EXPECT_EQ(seen[0].text, LoadText(RefusalMessageId(c.refusal)));
    EXPECT_EQ(seen[0].buttons.size(), 1u);
    EXPECT_FALSE(seen[0].watched_window_enabled);
    EXPECT_EQ(seen[0].watched_edit_text, before);
    EXPECT_EQ(OutputText(), before);
  }
}

// The box's end is learned from its length: the output box is never asked for
// its text during a press, and one press's lines go in as one insertion,
// whether the end is met or not and however much the box holds already.
TEST_F(GeneratePress, InsertsOnceAndNeverReadsTheOutputBox) {
  const struct {
    const char* start;
    const char* end;
    int lines_already;
  } cases[] = {
      {"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01", 0},     // completed: flushed before the box
      {"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01", 3000},  // the same after 3,000 lines
      {"AA:BB:CC:DD:EE:00", "AA:BB:CC:DD:EE:ff", 0},     // 1,280 lines, the end never met
      {"AA:BB:CC:DD:EE:00", "AA:BB:CC:DD:EE:ff", 3000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " / " << c.end << " after " << c.lines_already);
    std::wstring already;
    for (int i = 0; i < c.lines_already; ++i) already += L"AA:BB:CC:DD:00:00\r\n";
    SetWindowTextW(OutputBox(), already.c_str());
    Type(c.start, c.end);
    // The watcher reads no edit box: it would send WM_GETTEXT itself.
    MessageBoxWatcher watcher(window());
    test::MessageCounter counter(OutputBox());
    Press(kIdGenerateButton);

    EXPECT_EQ(counter.Count(WM_GETTEXT), 0);
    EXPECT_EQ(counter.Count(EM_REPLACESEL), 1);
    EXPECT_TRUE(OutputText().starts_with(already));
    EXPECT_GT(OutputText().size(), already.size());
  }
}

using CopyPress = MainWindowTest;

TEST_F(CopyPress, PutsTheBoxBytesWithOneZeroByteAndTheSameUnicodeText) {
  {
    MessageBoxWatcher watcher;
    Type("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01");
    Press(kIdGenerateButton);
  }
  // Text the user typed, with characters beyond ASCII, is copied too.
  SendMessageW(OutputBox(), EM_SETSEL, 0, 0);
  SendMessageW(OutputBox(), EM_REPLACESEL, TRUE,
               reinterpret_cast<LPARAM>(Wide(std::string(kAh) + "\r\n").c_str()));
  test::PutClipboardUnicode(L"earlier content");
  MessageBoxWatcher watcher;
  Press(kIdCopyButton);

  const std::string bytes = std::string(kAh) + "\r\n" +
                            "AA:BB:CC:DD:EE:FE\r\nAA:BB:CC:DD:EE:FF\r\n"
                            "AA:BB:CC:DD:EF:00\r\nAA:BB:CC:DD:EF:01\r\n";
  EXPECT_EQ(ClipboardBlock(CF_TEXT), bytes + '\0');
  EXPECT_EQ(GetClipboardOwner(), window()) << "a clipboard with no owner refuses the text on Windows";
  const std::wstring wide = OutputText() + L'\0';
  EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT),
            std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
  EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(CopyPress, WithTheBoxEmptyLeavesAnEmptyText) {
  test::PutClipboardUnicode(L"earlier content");
  Press(kIdCopyButton);
  EXPECT_EQ(ClipboardBlock(CF_TEXT), std::string(1, '\0'));
  EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), std::string(2, '\0'));
}

TEST_F(CopyPress, ChangesNothingAndShowsNothingWhileAnotherProgramHoldsTheClipboard) {
  SetWindowTextW(OutputBox(), kWorkedExampleLines);
  test::PutClipboardUnicode(L"earlier content");
  MessageBoxWatcher watcher;
  {
    test::ClipboardHolder holder;
    ASSERT_TRUE(holder.holding());
    Press(kIdCopyButton);
  }
  const auto unicode = ClipboardBlock(CF_UNICODETEXT);
  ASSERT_TRUE(unicode.has_value());
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(unicode->data())), L"earlier content");
  EXPECT_TRUE(watcher.Seen().empty());
}

std::string BytesOf(const std::wstring& text) {
  const std::wstring with_zero = text + L'\0';
  return std::string(reinterpret_cast<const char*>(with_zero.data()), with_zero.size() * 2);
}

// A character that code page 936 lacks, typed or pasted beside the lines,
// survives the copy for Unicode programs; CF_TEXT holds the box's code page
// 936 bytes, where such a character cannot be written.
TEST_F(CopyPress, KeepsInUnicodeTheCharactersCodePage936Lacks) {
  const struct {
    const char* what;
    std::wstring text;
  } cases[] = {
      {"check mark", std::wstring(L"AA:BB:CC:DD:EE:FE\r\n\u2713 done\r\n")},
      {"emoji", std::wstring(L"AA:BB:CC:DD:EE:FE \U0001F600\r\n") + Wide(kAh)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetWindowTextW(OutputBox(), c.text.c_str());
    test::PutClipboardUnicode(L"earlier content");
    Press(kIdCopyButton);

    EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), BytesOf(c.text));
    const std::string bytes = ReadControlText(OutputBox());
    EXPECT_NE(bytes.find('?'), std::string::npos) << "the character has no code page 936 bytes";
    EXPECT_EQ(ClipboardBlock(CF_TEXT), bytes + '\0');
    EXPECT_EQ(ClipboardBlock(CF_LOCALE), std::string("\x04\x08\0\0", 4));
  }
}

// Clipboard history, clipboard sharing and clipboard managers open the
// clipboard for a moment after every change: the copy waits for them.
TEST_F(CopyPress, LandsWhenAnotherProgramLetsGoOfTheClipboardSoon) {
  SetWindowTextW(OutputBox(), kWorkedExampleLines);
  test::PutClipboardUnicode(L"earlier content");
  test::ClipboardHolder holder(100);
  ASSERT_TRUE(holder.holding());
  Press(kIdCopyButton);

  EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), BytesOf(kWorkedExampleLines));
  EXPECT_EQ(GetClipboardOwner(), window());
}

TEST_F(CopyPress, GivesUpWhileAnotherProgramHoldsTheClipboardLong) {
  SetWindowTextW(OutputBox(), kWorkedExampleLines);
  test::PutClipboardUnicode(L"earlier content");
  MessageBoxWatcher watcher;
  {
    test::ClipboardHolder holder(3000);
    ASSERT_TRUE(holder.holding());
    Press(kIdCopyButton);
    // The handler returned before the holder let go: the window answers
    // again while the clipboard is still held.
    EXPECT_TRUE(holder.still_holding());
  }
  EXPECT_EQ(ClipboardBlock(CF_UNICODETEXT), BytesOf(L"earlier content"));
  EXPECT_TRUE(watcher.Seen().empty());
}

}  // namespace
}  // namespace macrange::ui
