// Every user-facing text of the program, written as code page 936 bytes,
// against its UTF-8 spelling.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/address_range.h"
#include "ui/codepage.h"
#include "ui/program.h"
#include "ui/refusal_message.h"
#include "ui/services.h"

namespace macrange::ui {
namespace {

std::string Utf8From936(std::string_view text) {
  const std::wstring wide = WideFrom936(text);
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                      nullptr, nullptr);
  return utf8;
}

std::string FromU8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(Texts, ReadAsSpelledInCodePage936) {
  const struct {
    std::string_view bytes;
    const char8_t* spelling;
  } texts[] = {
      {kMessageCaption, u8"信息："},
      {kCompletionMessage, u8"生成完成"},
      {RefusalMessage(Refusal::kStartTooFewGroups),
       u8"开始地址不足六组：地址要有六组十六进制数，以半角冒号 \":\" 分隔（不是全角冒号 \"：\"）。\n"
       u8"正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {RefusalMessage(Refusal::kEndTooFewGroups),
       u8"结束地址不足六组：地址要有六组十六进制数，以半角冒号 \":\" 分隔（不是全角冒号 \"：\"）。\n"
       u8"正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {RefusalMessage(Refusal::kStartGroup6Negative),
       u8"开始地址的第六组数值过大（最大为 7FFFFFFFFFFFFFFF），无法生成。\n正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {RefusalMessage(Refusal::kStartGroup5TooLarge),
       u8"开始地址的第五组数值过大（最大为 1FFFFFFFFFFFFC），无法生成。\n正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {RefusalMessage(Refusal::kStartGroup5TooLong),
       u8"开始地址的第五组过长（最多 32 个字节），无法生成。第五组通常是两位十六进制数。\n"
       u8"正确的地址例如：AA:BB:CC:DD:EE:FE"},
      {kMessageLoopFailedMessage, u8"无法读取窗口消息，程序将退出。"},
      {kWindowNotMadeMessage, u8"无法创建主窗口，程序将退出。"},
      {kOutOfMemoryMessage, u8"内存不足，程序无法继续，将退出。"},
      {kFailureCaption, u8"错误"},
  };
  for (const auto& t : texts) EXPECT_EQ(Utf8From936(t.bytes), FromU8(t.spelling));
}

TEST(Texts, EveryRefusalHasAMessage) {
  EXPECT_TRUE(RefusalMessage(Refusal::kNone).empty());
  for (Refusal r : {Refusal::kStartTooFewGroups, Refusal::kEndTooFewGroups,
                    Refusal::kStartGroup6Negative, Refusal::kStartGroup5TooLarge,
                    Refusal::kStartGroup5TooLong}) {
    EXPECT_FALSE(RefusalMessage(r).empty());
  }
}

TEST(Texts, TheGroup5LengthRefusalStatesTheBound) {
  char bound[16];
  std::snprintf(bound, sizeof bound, " %d ", static_cast<int>(kLongestGroup5));
  EXPECT_NE(RefusalMessage(Refusal::kStartGroup5TooLong).find(bound), std::string_view::npos);
}

}  // namespace
}  // namespace macrange::ui
