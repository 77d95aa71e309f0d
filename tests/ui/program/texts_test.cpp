// Every user-facing text of the program against its expected characters: the
// window's own texts as the string table holds them, and the core's
// completion message, written as code page 936 bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/address_range.h"
#include "ui/refusal_message.h"
#include "ui/texts.h"
#include "win/codepage.h"

namespace macrange::ui {
namespace {

std::string Utf8FromWide(std::wstring_view wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                      nullptr, nullptr);
  return utf8;
}

std::string FromU8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(Texts, StringTableHoldsEachTextAsSpelled) {
  const struct {
    UINT id;
    const char8_t* spelling;
  } texts[] = {
      {IDS_START_LABEL, u8"开始"},
      {IDS_END_LABEL, u8"结束"},
      {IDS_GENERATE_BUTTON, u8"开始生成"},
      {IDS_COPY_BUTTON, u8"复制"},
      {IDS_MESSAGE_CAPTION, u8"信息："},
      {RefusalMessageId(Refusal::kStartTooFewGroups),
       u8"开始地址不足六组：地址要有六组十六进制数，以冒号分隔。\n正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {RefusalMessageId(Refusal::kEndTooFewGroups),
       u8"结束地址不足六组：地址要有六组十六进制数，以冒号分隔。\n正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {RefusalMessageId(Refusal::kStartGroup6Negative),
       u8"开始地址的第六组数值过大（最大为 7FFFFFFFFFFFFFFF），无法生成。\n正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {RefusalMessageId(Refusal::kStartGroup5TooLarge),
       u8"开始地址的第五组数值过大（最大为 1FFFFFFFFFFFFC），无法生成。\n正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {IDS_WINDOW_NOT_MADE, u8"无法创建主窗口，程序将退出。"},
      {IDS_OUT_OF_MEMORY, u8"内存不足，程序无法继续，将退出。"},
      {IDS_FAILURE_CAPTION, u8"错误"},
  };
  for (const auto& t : texts) {
    EXPECT_EQ(Utf8FromWide(LoadText(t.id)), FromU8(t.spelling)) << "text " << t.id;
  }
}

TEST(Texts, CompletionMessageReadsAsSpelledInCodePage936) {
  EXPECT_EQ(Utf8FromWide(win::WideFrom936(kCompletionMessage)), FromU8(u8"生成完成"));
}

TEST(Texts, EveryRefusalHasAMessageOfItsOwn) {
  EXPECT_EQ(RefusalMessageId(Refusal::kNone), 0u);
  std::vector<UINT> seen;
  for (Refusal r : {Refusal::kStartTooFewGroups, Refusal::kEndTooFewGroups,
                    Refusal::kStartGroup6Negative, Refusal::kStartGroup5TooLarge}) {
    const UINT id = RefusalMessageId(r);
    EXPECT_FALSE(LoadText(id).empty()) << "text " << id;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), id), 0) << "text " << id << " given twice";
    seen.push_back(id);
  }
}

TEST(Texts, AnIdentifierWithoutATextGivesAnEmptyText) {
  EXPECT_EQ(LoadText(999), L"");
  wchar_t text[8] = L"garbage";
  LoadTextInto(999, text);
  EXPECT_EQ(std::wstring(text), L"");
}

}  // namespace
}  // namespace macrange::ui
