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
    const char* start;
    const char* end;
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
  };
  const std::wstring before =
      Wide(std::string(kAh) + "user text\r\n") + kWorkedExampleLines + L"half a li";
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " / " << c.end);
    SetWindowTextW(OutputBox(), before.c_str());
    SendMessageW(OutputBox(), EM_SETSEL, 4, 8);
    Type(c.start, c.end);
    MessageBoxWatcher watcher(window(), OutputBox());
    Press(kIdGenerateButton);

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

}  // namespace
}  // namespace macrange::ui
