#include "core/text.h"

#include <gtest/gtest.h>

#include "tests/core/escaped.h"

#include <climits>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace macrange {
namespace {

// 啊 in code page 936.
constexpr std::string_view kAh = "\xB0\xA1";

struct SplitCase {
  std::string text;
  std::vector<std::string> entries;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << '"' << Escaped(c.text) << '"'; }

class SplitTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, GivesThePiecesBetweenColons) {
  EXPECT_EQ(SplitText(GetParam().text, ":"), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitTextTest,
    testing::Values(SplitCase{"", {}}, SplitCase{":", {""}}, SplitCase{"::", {"", ""}},
                    SplitCase{":a", {"", "a"}}, SplitCase{"a", {"a"}}, SplitCase{"a:", {"a"}},
                    SplitCase{"a::b", {"a", "", "b"}}, SplitCase{"a:b::", {"a", "b", ""}},
                    SplitCase{"00:1A:2B:3C:4D:5E", {"00", "1A", "2B", "3C", "4D", "5E"}},
                    // 啊:x
                    SplitCase{"\xB0\xA1:x", {"\xB0\xA1", "x"}},
                    // the colon is the second byte of a character
                    SplitCase{"\x81:", {"\x81:"}},
                    SplitCase{"a\x81:b:c", {"a\x81:b", "c"}},
                    // a lead byte with nothing after it ends the scan
                    SplitCase{"a\x81", {"a\x81"}}, SplitCase{"a:\x81", {"a", "\x81"}},
                    // a byte below 0x80 after a lead byte is still its second byte
                    SplitCase{"\xB0" "A:B", {"\xB0" "A", "B"}}));

TEST(SplitTextTest, MatchesLongerSeparatorsOnlyWhereACharacterBegins) {
  EXPECT_EQ(SplitText("a--b", "--"), (TextArray{"a", "b"}));
  EXPECT_EQ(SplitText("a-", "--"), (TextArray{"a-"}));
  EXPECT_EQ(SplitText("\x81---b", "--"), (TextArray{"\x81-", "b"}));
}

struct CutCase {
  std::string text;
  std::int32_t start;  // TextMid only
  std::int32_t n;
  std::string expected;
};

void PrintTo(const CutCase& c, std::ostream* os) {
  *os << '"' << Escaped(c.text) << "\" " << c.start << ' ' << c.n;
}

class TextLeftTest : public testing::TestWithParam<CutCase> {};
TEST_P(TextLeftTest, TakesTheFirstBytes) {
  EXPECT_EQ(TextLeft(GetParam().text, GetParam().n), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Table, TextLeftTest,
                         testing::Values(CutCase{"abc", 0, 0, ""}, CutCase{"abc", 0, -5, ""},
                                         CutCase{"abc", 0, INT_MIN, ""},
                                         CutCase{"abc", 0, 2, "ab"}, CutCase{"abc", 0, 5, "abc"},
                                         CutCase{"abc", 0, INT_MAX, "abc"},
                                         CutCase{"", 0, 12, ""},
                                         CutCase{"\xB0\xA1x", 0, 1, "\xB0"}));

class TextRightTest : public testing::TestWithParam<CutCase> {};
TEST_P(TextRightTest, TakesTheLastBytes) {
  EXPECT_EQ(TextRight(GetParam().text, GetParam().n), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Table, TextRightTest,
                         testing::Values(CutCase{"abc", 0, 2, "bc"}, CutCase{"abc", 0, 5, "abc"},
                                         CutCase{"abc", 0, INT_MAX, "abc"},
                                         CutCase{"abc", 0, 0, ""}, CutCase{"abc", 0, -1, ""},
                                         CutCase{"abc", 0, INT_MIN, ""},
                                         CutCase{"\xB0\xA1x", 0, 2, "\xA1x"}));

class TextMidTest : public testing::TestWithParam<CutCase> {};
TEST_P(TextMidTest, TakesBytesFromAPosition) {
  EXPECT_EQ(TextMid(GetParam().text, GetParam().start, GetParam().n), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Table, TextMidTest,
                         testing::Values(CutCase{"abc", 0, 1, ""}, CutCase{"abc", -1, 3, ""},
                                         CutCase{"abc", 1, 1, "a"}, CutCase{"abc", 3, 5, "c"},
                                         CutCase{"abc", 4, 1, ""}, CutCase{"abc", 2, 0, ""},
                                         CutCase{"abc", 2, -3, ""}, CutCase{"abc", 2, INT_MAX, "bc"},
                                         CutCase{"abc", INT_MAX, INT_MAX, ""},
                                         CutCase{"", 1, 1, ""}));

TEST(TextLengthTest, CountsBytes) {
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(TextLength(std::string_view()), 0);
  EXPECT_EQ(TextLength("\xB0\xA1x"), 3);
}

TEST(ConcatTextTest, JoinsInOrder) {
  EXPECT_EQ(ConcatText("a", "", "b"), "ab");
  EXPECT_EQ(ConcatText("", ""), "");
  EXPECT_EQ(ConcatText(kAh, ":", "x"), "\xB0\xA1:x");
}

TEST(ConcatTextTest, OfOneTextIsACopy) {
  const Text original = "a text long enough to live outside any small-string buffer";
  const Text copy = ConcatText(original);
  EXPECT_EQ(copy, original);
  EXPECT_NE(copy.data(), original.data());
}

struct CompareCase {
  std::string a;
  std::string b;
  int expected;
};

void PrintTo(const CompareCase& c, std::ostream* os) {
  *os << '"' << Escaped(c.a) << "\" \"" << Escaped(c.b) << '"';
}

class CompareTextTest : public testing::TestWithParam<CompareCase> {};
TEST_P(CompareTextTest, OrdersBytesAsUnsigned) {
  EXPECT_EQ(CompareText(GetParam().a, GetParam().b), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Table, CompareTextTest,
                         testing::Values(CompareCase{"", "", 0}, CompareCase{"a", "", 1},
                                         CompareCase{"", "a", -1}, CompareCase{"ab", "a", 1},
                                         CompareCase{"a", "ab", -1}, CompareCase{"\xB0", "a", 1},
                                         CompareCase{"a", "\xB0", -1},
                                         CompareCase{"EF", "EF", 0}, CompareCase{"EF", "ef", -1},
                                         CompareCase{"ab", "ac", -1}, CompareCase{"\xFF", "\x80", 1}));

TEST(BlankTextTest, MakesSpaces) {
  EXPECT_EQ(BlankText(0), "");
  EXPECT_EQ(BlankText(-3), "");
  EXPECT_EQ(BlankText(INT_MIN), "");
  EXPECT_EQ(BlankText(3), "   ");
  EXPECT_EQ(BlankText(8), "        ");
}

}  // namespace
}  // namespace macrange
