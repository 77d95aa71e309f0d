#include "core/hex.h"

namespace macrange {

namespace {

int DigitValue(unsigned char b) {
  if (b >= 0x30 && b <= 0x39) return b - 48;
  if (b >= 0x41 && b <= 0x46) return b - 55;
  if (b >= 0x61 && b <= 0x66) return b - 87;
  return -1;
}

}  // namespace

std::int64_t HexTextToInt64(std::string_view text) {
  // digits[0] is the most significant of the sixteen; they fill from the right.
  int digits[16] = {};
  int write = 15;
  const std::int32_t n = TextLength(text);
  for (std::int32_t k = n - 1; k >= 0 && write >= 0; --k) {
    const int d = DigitValue(static_cast<unsigned char>(text[static_cast<std::size_t>(k)]));
    if (d < 0) continue;
    digits[write--] = d;
  }
  // Each half is at most 0xFFFFFFFF, so building it in integers gives exactly
  // the value a double-precision sum would give.
  std::uint32_t high = 0;
  std::uint32_t low = 0;
  for (int i = 0; i < 8; ++i) high = (high << 4) | static_cast<std::uint32_t>(digits[i]);
  for (int i = 8; i < 16; ++i) low = (low << 4) | static_cast<std::uint32_t>(digits[i]);
  const std::uint64_t bits = (static_cast<std::uint64_t>(high) << 32) | low;
  return static_cast<std::int64_t>(bits);  // two's complement since C++20
}

Text UInt32ToHex8(std::uint32_t value) {
  Text t = BlankText(8);
  for (int p = 7; p >= 0; --p) {
    const unsigned d = value & 15u;
    t[static_cast<std::size_t>(p)] = static_cast<char>(d <= 9 ? d + 48 : d + 55);
    value >>= 4;
  }
  return t;
}

Text Int64ToHexText(std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  const auto low = static_cast<std::uint32_t>(bits & 0xFFFFFFFFu);
  const auto high = static_cast<std::uint32_t>(bits >> 32);
  Text t = high != 0 ? ConcatText(UInt32ToHex8(high), UInt32ToHex8(low)) : UInt32ToHex8(low);
  // Drop leading zeros but always keep the last digit.
  std::size_t zeros = 0;
  while (zeros + 1 < t.size() && t[zeros] == '0') ++zeros;
  return TextRight(t, static_cast<std::int32_t>(t.size() - zeros));
}

}  // namespace macrange
