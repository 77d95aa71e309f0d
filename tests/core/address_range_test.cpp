#include "core/address_range.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <ostream>
#include <cstdio>
#include <string>
#include <vector>

namespace macrange {
namespace {

// Records every call in order; the notice is kept as "NOTICE " + message.
class RecordingSink : public AddressLineSink {
 public:
  void AppendLine(std::string_view line) override { calls.emplace_back(line); }
  void NotifyCompleted(std::string_view message) override {
    calls.push_back("NOTICE " + std::string(message));
  }
  std::vector<std::string> calls;
};

const std::string kNotice = "NOTICE " + std::string(kCompletionMessage);

std::vector<std::string> WithLineEnds(std::vector<std::string> lines) {
  for (std::string& line : lines) line += "\r\n";
  return lines;
}

struct RunRecord {
  RangeResult result;
  std::vector<std::string> calls;
};

RunRecord Generate(std::string_view start, std::string_view end) {
  RecordingSink sink;
  const RangeResult result = GenerateAddressRange(start, end, sink);
  return {result, sink.calls};
}

TEST(GenerateAddressRangeTest, WorkedExample) {
  const RunRecord run = Generate("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01");
  std::vector<std::string> expected = WithLineEnds(
      {"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EE:FF", "AA:BB:CC:DD:EF:00", "AA:BB:CC:DD:EF:01"});
  expected.push_back(kNotice);
  EXPECT_EQ(run.calls, expected);
  EXPECT_EQ(run.result.end, RangeEnd::kCompleted);
  EXPECT_EQ(run.result.refusal, Refusal::kNone);
  EXPECT_EQ(run.result.lines, 4);
}

struct CompletedCase {
  const char* name;
  std::string start;
  std::string end;
  std::vector<std::string> lines;  // without their CR LF
};

void PrintTo(const CompletedCase& c, std::ostream* os) { *os << c.name; }

class CompletedRunTest : public testing::TestWithParam<CompletedCase> {};

TEST_P(CompletedRunTest, EmitsTheLinesThenTheNotice) {
  const CompletedCase& c = GetParam();
  const RunRecord run = Generate(c.start, c.end);
  std::vector<std::string> expected = WithLineEnds(c.lines);
  expected.push_back(kNotice);
  EXPECT_EQ(run.calls, expected);
  EXPECT_EQ(run.result.end, RangeEnd::kCompleted);
  EXPECT_EQ(run.result.lines, static_cast<std::int32_t>(c.lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompletedRunTest,
    testing::Values(
        CompletedCase{"StartEqualsEnd", "AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EE:FE",
                      {"AA:BB:CC:DD:EE:FE"}},
        CompletedCase{"NextGroup5", "AA:BB:CC:DD:0A:FF", "AA:BB:CC:DD:0B:00",
                      {"AA:BB:CC:DD:0A:FF", "AA:BB:CC:DD:0B:00"}},
        CompletedCase{"EndGroups1To4NotCompared", "AA:BB:CC:DD:EE:FE", "00:00:00:00:EF:01",
                      {"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EE:FF", "AA:BB:CC:DD:EF:00",
                       "AA:BB:CC:DD:EF:01"}},
        CompletedCase{"GroupsAfterTheSixthIgnored", "AA:BB:CC:DD:EE:FE:11", "AA:BB:CC:DD:EF:01:22",
                      {"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EE:FF", "AA:BB:CC:DD:EF:00",
                       "AA:BB:CC:DD:EF:01"}},
        CompletedCase{"Group5OfOneDigitAsTypedThenTwoDigits", "AA:BB:CC:DD:E:FE",
                      "AA:BB:CC:DD:0F:00",
                      {"AA:BB:CC:DD:E:FE", "AA:BB:CC:DD:E:FF", "AA:BB:CC:DD:0F:00"}},
        CompletedCase{"Group6AboveFFLeavesThePassEmpty", "AA:BB:CC:DD:EE:100",
                      "AA:BB:CC:DD:EF:00", {"AA:BB:CC:DD:EF:00"}},
        CompletedCase{"LowerCaseGroup6WrittenUpperCase", "AA:BB:CC:DD:EE:fe", "AA:BB:CC:DD:EE:FF",
                      {"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EE:FF"}},
        CompletedCase{"LowerCaseGroup5MatchesInTheFirstPass", "AA:BB:CC:DD:ee:FE",
                      "AA:BB:CC:DD:ee:FF", {"AA:BB:CC:DD:ee:FE", "AA:BB:CC:DD:ee:FF"}},
        CompletedCase{"PrefixCountsBytes", "A:BB:CC:DD:EE:FE", "0:0:0:0:EE:FF",
                      {"A:BB:CC:DD:EEE:FE", "A:BB:CC:DD:EEE:FF"}},
        CompletedCase{"ShortStartIsTakenWhole", "A:B:C:D:E:F", "0:0:0:0:E:10",
                      {"A:B:C:D:E:FE:0F", "A:B:C:D:E:FE:10"}},
        // 啊 (B0 A1) in group 1 is part of the prefix; group 5 is read by digits
        CompletedCase{"DoubleByteBytesInTheStart", "\xB0\xA1:BB:CC:DD:\xB0\xA1" "1:FF",
                      "x:x:x:x:02:00",
                      {"\xB0\xA1:BB:CC:DD:\xB0\xA1" "1:FF", "\xB0\xA1:BB:CC:DD:02:00"}},
        CompletedCase{"Group5PastFFHasNoCarry", "AA:BB:CC:DD:FF:FF", "AA:BB:CC:DD:100:01",
                      {"AA:BB:CC:DD:FF:FF", "AA:BB:CC:DD:100:00", "AA:BB:CC:DD:100:01"}}),
    [](const testing::TestParamInfo<CompletedCase>& info) { return info.param.name; });

// From EE:FF the fifth pass is F2; its first line comes after one line of the
// first pass and three full passes.
TEST(GenerateAddressRangeTest, EndInTheFifthPassIsMet) {
  const RunRecord run = Generate("AA:BB:CC:DD:EE:FF", "AA:BB:CC:DD:F2:00");
  ASSERT_EQ(run.result.end, RangeEnd::kCompleted);
  ASSERT_EQ(run.result.lines, 1 + 3 * 256 + 1);
  EXPECT_EQ(run.calls[run.calls.size() - 2], "AA:BB:CC:DD:F2:00\r\n");
  EXPECT_EQ(run.calls.back(), kNotice);
}

// All five passes, in order: group 5 at each pass, group 6 from first6 in the
// first pass and from 00 in the others, nothing else.
std::vector<std::string> FivePasses(const std::string& prefix,
                                    const std::vector<std::string>& group5, int first6) {
  std::vector<std::string> lines;
  for (std::size_t pass = 0; pass < group5.size(); ++pass) {
    for (int g6 = pass == 0 ? first6 : 0; g6 <= 255; ++g6) {
      char text[3];
      std::snprintf(text, sizeof text, "%02X", g6);
      lines.push_back(prefix + group5[pass] + ":" + text + "\r\n");
    }
  }
  return lines;
}

struct ExhaustedCase {
  const char* name;
  std::string start;
  std::string end;
  std::vector<std::string> group5;  // the text of each of the five passes
  int first6;
};

void PrintTo(const ExhaustedCase& c, std::ostream* os) { *os << c.name; }

class ExhaustedRunTest : public testing::TestWithParam<ExhaustedCase> {};

TEST_P(ExhaustedRunTest, RunsFivePassesWithoutNotice) {
  const ExhaustedCase& c = GetParam();
  const RunRecord run = Generate(c.start, c.end);
  const std::vector<std::string> expected =
      FivePasses(c.start.substr(0, 12), c.group5, c.first6);
  EXPECT_EQ(run.calls, expected);
  EXPECT_EQ(run.result.end, RangeEnd::kExhausted);
  EXPECT_EQ(run.result.refusal, Refusal::kNone);
  EXPECT_EQ(run.result.lines, static_cast<std::int32_t>(expected.size()));
}

const std::vector<std::string> kFromEE = {"EE", "EF", "F0", "F1", "F2"};

std::string Zeros(int n) { return std::string(static_cast<std::size_t>(n), '0'); }

INSTANTIATE_TEST_SUITE_P(
    Table, ExhaustedRunTest,
    testing::Values(
        ExhaustedCase{"MostLines", "AA:BB:CC:DD:EE:00", "AA:BB:CC:DD:F3:00", kFromEE, 0},
        ExhaustedCase{"LowerCaseEndGroup6", "AA:BB:CC:DD:EE:00", "AA:BB:CC:DD:EE:ff", kFromEE, 0},
        ExhaustedCase{"OneDigitEndGroup6", "AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:1", kFromEE, 254},
        ExhaustedCase{"SpaceAfterEndGroup6", "AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01 ", kFromEE,
                      254},
        ExhaustedCase{"LowerCaseEndGroup5AfterTheFirstPass", "AA:BB:CC:DD:EE:FE",
                      "AA:BB:CC:DD:ef:01", kFromEE, 254},
        // the generated group 5 texts are upper case, whatever the start's
        ExhaustedCase{"LowerCaseGroup5UpperCaseFromTheSecondPass", "AA:BB:CC:DD:ee:FE",
                      "AA:BB:CC:DD:00:00", {"ee", "EF", "F0", "F1", "F2"}, 254},
        ExhaustedCase{"EndGroup6BelowTheStarts", "AA:BB:CC:DD:EE:10", "AA:BB:CC:DD:EE:0F",
                      kFromEE, 16},
        ExhaustedCase{"Group5PastFF", "AA:BB:CC:DD:FE:FF", "AA:BB:CC:DD:FE:00",
                      {"FE", "FF", "100", "101", "102"}, 255},
        ExhaustedCase{"LargestGroup5", "AA:BB:CC:DD:1FFFFFFFFFFFFC:F0", "AA:BB:CC:DD:00:00",
                      {"1FFFFFFFFFFFFC", "1FFFFFFFFFFFFD", "1FFFFFFFFFFFFE", "1FFFFFFFFFFFFF",
                       "20000000000000"},
                      240},
        ExhaustedCase{"Group5WithoutDigits", "AA:BB:CC:DD:zz:FF", "AA:BB:CC:DD:00:00",
                      {"zz", "01", "02", "03", "04"}, 255},
        // seventeen digits: the leading 1 is not read, so the value is 0
        ExhaustedCase{"Group5OfSeventeenDigits", "AA:BB:CC:DD:10000000000000000:FF",
                      "AA:BB:CC:DD:00:00",
                      {"10000000000000000", "01", "02", "03", "04"}, 255},
        ExhaustedCase{"LargestGroup6", "AA:BB:CC:DD:EE:7FFFFFFFFFFFFFFF", "AA:BB:CC:DD:EE:00",
                      kFromEE, 256},
        ExhaustedCase{"SixteenDigitZeroPaddedGroup5", "AA:BB:CC:DD:00000000000000EE:FE",
                      "AA:BB:CC:DD:EE:FF",
                      {"00000000000000EE", "EF", "F0", "F1", "F2"}, 254},
        ExhaustedCase{"LongestGroup5", "AA:BB:CC:DD:" + Zeros(kLongestGroup5 - 2) + "EE:FE",
                      "AA:BB:CC:DD:EE:FF", {Zeros(kLongestGroup5 - 2) + "EE", "EF", "F0", "F1", "F2"},
                      254},
        ExhaustedCase{"LongestGroup5OfStrayBytes", "AA:BB:CC:DD:" + std::string(kLongestGroup5, 'x') + ":FE",
                      "AA:BB:CC:DD:EE:FF", {std::string(kLongestGroup5, 'x'), "01", "02", "03", "04"}, 254},
        // only the start's group 5 is repeated in the lines: no other group is bounded
        ExhaustedCase{"LongEndGroup5", "AA:BB:CC:DD:EE:00",
                      "AA:BB:CC:DD:" + std::string(1000, 'E') + ":00", kFromEE, 0},
        ExhaustedCase{"LongStartGroup4", "AA:BB:CC:" + std::string(1000, 'D') + ":EE:00",
                      "AA:BB:CC:DD:F3:00", kFromEE, 0}),
    [](const testing::TestParamInfo<ExhaustedCase>& info) { return info.param.name; });

struct RefusedCase {
  const char* name;
  std::string start;
  std::string end;
  Refusal refusal;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedRunTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRunTest, EmitsNothing) {
  const RefusedCase& c = GetParam();
  const RunRecord run = Generate(c.start, c.end);
  EXPECT_TRUE(run.calls.empty());
  EXPECT_EQ(run.result.end, RangeEnd::kRefused);
  EXPECT_EQ(run.result.refusal, c.refusal);
  EXPECT_EQ(run.result.lines, 0);
}

constexpr const char* kGood = "AA:BB:CC:DD:EE:FE";

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedRunTest,
    testing::Values(
        RefusedCase{"EmptyStart", "", kGood, Refusal::kStartTooFewGroups},
        RefusedCase{"StartOfFiveGroups", "AA:BB:CC:DD:EE", kGood, Refusal::kStartTooFewGroups},
        RefusedCase{"StartEndingInColon", "AA:BB:CC:DD:EE:", kGood,
                    Refusal::kStartTooFewGroups},
        // the fifth colon is the second byte of a character
        RefusedCase{"StartColonInsideACharacter", "AA:BB:CC:DD:EE\x81:FE", kGood,
                    Refusal::kStartTooFewGroups},
        RefusedCase{"EmptyEnd", kGood, "", Refusal::kEndTooFewGroups},
        RefusedCase{"EndOfFiveGroups", kGood, "AA:BB:CC:DD:EF", Refusal::kEndTooFewGroups},
        // refused before the first line, although that line's group 5 would
        // not match and group 6 would never be needed
        RefusedCase{"EndOfFiveGroupsNotMatching", kGood, "AA:BB:CC:DD:00:",
                    Refusal::kEndTooFewGroups},
        RefusedCase{"StartAndEndBothShort", "AA", "BB", Refusal::kStartTooFewGroups},
        RefusedCase{"NegativeGroup6", "AA:BB:CC:DD:EE:8000000000000000", kGood,
                    Refusal::kStartGroup6Negative},
        RefusedCase{"MinusOneGroup6", "AA:BB:CC:DD:EE:FFFFFFFFFFFFFFFF", kGood,
                    Refusal::kStartGroup6Negative},
        RefusedCase{"NegativeGroup6AmongOtherBytes", "AA:BB:CC:DD:EE:F-F-F-F-F-F-F-F-F-F-F-F-F-F-F-F",
                    kGood, Refusal::kStartGroup6Negative},
        RefusedCase{"Group5AboveTheLargest", "AA:BB:CC:DD:1FFFFFFFFFFFFD:FE", kGood,
                    Refusal::kStartGroup5TooLarge},
        RefusedCase{"Group5At2Pow53", "AA:BB:CC:DD:20000000000000:FE", kGood,
                    Refusal::kStartGroup5TooLarge},
        RefusedCase{"NegativeGroup5", "AA:BB:CC:DD:FFFFFFFFFFFFFFFF:FE", kGood,
                    Refusal::kStartGroup5TooLarge},
        RefusedCase{"LargestPositiveGroup5", "AA:BB:CC:DD:7FFFFFFFFFFFFFFF:FE", kGood,
                    Refusal::kStartGroup5TooLarge},
        // group 5 is repeated in every line of the first pass, so its length is bounded
        RefusedCase{"Group5OneByteTooLong", "AA:BB:CC:DD:" + Zeros(kLongestGroup5 - 1) + "EE:FE",
                    kGood, Refusal::kStartGroup5TooLong},
        RefusedCase{"Group5OfAThousandStrayBytes", "AA:BB:CC:DD:" + std::string(1000, 'x') + ":FE",
                    kGood, Refusal::kStartGroup5TooLong},
        // the length is the reason given even when the value is too large as well
        RefusedCase{"Group5TooLongAndTooLarge", "AA:BB:CC:DD:" + std::string(kLongestGroup5 + 1, 'F') + ":FE", kGood,
                    Refusal::kStartGroup5TooLong},
        RefusedCase{"Group5TooLongWithShortEnd", "AA:BB:CC:DD:" + std::string(100, '0') + ":FE",
                    "AA:BB", Refusal::kEndTooFewGroups}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(GenerateAddressRangeTest, KeepsNothingBetweenRuns) {
  RecordingSink sink;
  GenerateAddressRange("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01", sink);
  const std::vector<std::string> first = sink.calls;
  GenerateAddressRange("AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01", sink);
  ASSERT_EQ(sink.calls.size(), 2 * first.size());
  EXPECT_TRUE(std::equal(first.begin(), first.end(), sink.calls.begin() + first.size()));
}

TEST(CompletionMessageTest, ReadsShengChengWanChengInCodePage936) {
  iconv_t to_utf8 = iconv_open("UTF-8", "CP936");
  ASSERT_NE(to_utf8, reinterpret_cast<iconv_t>(-1));
  std::string in(kCompletionMessage);
  std::string out(64, '\0');
  char* in_ptr = in.data();
  char* out_ptr = out.data();
  std::size_t in_left = in.size();
  std::size_t out_left = out.size();
  const std::size_t converted = iconv(to_utf8, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(to_utf8);
  ASSERT_NE(converted, static_cast<std::size_t>(-1));
  out.resize(out.size() - out_left);
  EXPECT_EQ(out, "\xE7\x94\x9F\xE6\x88\x90\xE5\xAE\x8C\xE6\x88\x90");  // 生成完成 in UTF-8
}

}  // namespace
}  // namespace macrange
