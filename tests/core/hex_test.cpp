#include "core/hex.h"

#include <gtest/gtest.h>

#include "tests/core/escaped.h"

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <limits>
#include <random>
#include <string>

namespace macrange {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

struct HexCase {
  std::string text;
  std::int64_t value;
};

void PrintTo(const HexCase& c, std::ostream* os) { *os << '"' << Escaped(c.text) << '"'; }

class HexTextToInt64Test : public testing::TestWithParam<HexCase> {};
TEST_P(HexTextToInt64Test, ReadsTheLastSixteenDigits) {
  EXPECT_EQ(HexTextToInt64(GetParam().text), GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(
    Table, HexTextToInt64Test,
    testing::Values(HexCase{"", 0}, HexCase{"FF", 255}, HexCase{"ff", 255}, HexCase{"0A", 10},
                    HexCase{"1:2", 18}, HexCase{"G1", 1}, HexCase{"0x1F", 31}, HexCase{"-1", 1},
                    HexCase{"xyz :-", 0}, HexCase{"FFFFFFFF", 4294967295},
                    HexCase{"100000000", 4294967296}, HexCase{"FFFFFFFFFFFFFFFF", -1},
                    HexCase{"8000000000000000", kMin}, HexCase{"7FFFFFFFFFFFFFFF", kMax},
                    HexCase{"10000000000000000", 0},
                    HexCase{"123456789ABCDEF01", 0x23456789ABCDEF01},
                    HexCase{"12 34 56 78 9a bc de f0 1", 0x23456789ABCDEF01},
                    HexCase{"FfFfFfFf00000000", static_cast<std::int64_t>(0xFFFFFFFF00000000u)},
                    // 丄: its second byte, 0x41, is the digit A
                    HexCase{"\x81\x41", 10},
                    // every byte outside the three digit ranges is skipped
                    HexCase{"/:@G`g\x7F\x80\xFF", 0}, HexCase{"09AFaf", 0x09AFAF}));

struct ToHexCase {
  std::int64_t value;
  std::string text;
};

void PrintTo(const ToHexCase& c, std::ostream* os) { *os << c.value; }

class Int64ToHexTextTest : public testing::TestWithParam<ToHexCase> {};
TEST_P(Int64ToHexTextTest, WritesUpperCaseWithoutLeadingZeros) {
  EXPECT_EQ(Int64ToHexText(GetParam().value), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Table, Int64ToHexTextTest,
    testing::Values(ToHexCase{0, "0"}, ToHexCase{1, "1"}, ToHexCase{15, "F"}, ToHexCase{16, "10"},
                    ToHexCase{255, "FF"}, ToHexCase{256, "100"},
                    ToHexCase{4294967295, "FFFFFFFF"}, ToHexCase{4294967296, "100000000"},
                    ToHexCase{4886718345, "123456789"}, ToHexCase{-1, "FFFFFFFFFFFFFFFF"},
                    ToHexCase{kMin, "8000000000000000"}, ToHexCase{kMax, "7FFFFFFFFFFFFFFF"},
                    ToHexCase{0x100000000000, "100000000000"},
                    ToHexCase{0xABCDEF0012, "ABCDEF0012"}));

TEST(UInt32ToHex8Test, WritesEightDigits) {
  EXPECT_EQ(UInt32ToHex8(0), "00000000");
  EXPECT_EQ(UInt32ToHex8(171), "000000AB");
  EXPECT_EQ(UInt32ToHex8(4294967295u), "FFFFFFFF");
  EXPECT_EQ(UInt32ToHex8(305419896), "12345678");
  EXPECT_EQ(UInt32ToHex8(0xFEDCBA98u), "FEDCBA98");
}

void ExpectRoundTrip(std::int64_t v) {
  const Text text = Int64ToHexText(v);
  EXPECT_EQ(HexTextToInt64(text), v) << text;
}

TEST(HexRoundTripTest, BoundaryValuesReadBack) {
  for (std::int64_t v : {std::int64_t{0}, std::int64_t{1}, std::int64_t{-1}, kMin, kMax,
                         kMin + 1, kMax - 1, std::int64_t{0xFFFFFFFF}, std::int64_t{0x100000000},
                         std::int64_t{0x80000000}, std::int64_t{0x7FFFFFFF},
                         std::int64_t{-0x80000000LL}, std::int64_t{-0x100000000LL},
                         std::int64_t{1} << 53, (std::int64_t{1} << 53) - 1}) {
    ExpectRoundTrip(v);
  }
  for (int bit = 0; bit < 64; ++bit) {
    // Neighbours in unsigned arithmetic, so that 2^63 - 1 wraps instead of overflowing.
    const std::uint64_t v = std::uint64_t{1} << bit;
    ExpectRoundTrip(static_cast<std::int64_t>(v));
    ExpectRoundTrip(static_cast<std::int64_t>(v - 1));
    ExpectRoundTrip(static_cast<std::int64_t>(v + 1));
  }
}

TEST(HexRoundTripTest, RandomValuesReadBack) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 100000; ++i) {
    const auto v = static_cast<std::int64_t>(random());
    // Values of every width, not only the sixteen-digit ones most draws give.
    ExpectRoundTrip(v);
    ExpectRoundTrip(v >> (i % 64));
  }
}

}  // namespace
}  // namespace macrange
