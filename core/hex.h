// Conversions between hexadecimal Text and integers.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace macrange {

// The value of the right-most sixteen hexadecimal digits of text (or of all of
// them when it has fewer), read as a two's-complement 64-bit number. Digits are
// 0-9, A-F and a-f; every other byte is skipped. Bytes are looked at one by
// one, so the second byte of a double-byte character can count as a digit.
std::int64_t HexTextToInt64(std::string_view text);

// 1 to 16 upper-case hexadecimal digits of value in two's complement, with no
// leading zero except for the single digit 0.
Text Int64ToHexText(std::int64_t value);

// Exactly eight upper-case hexadecimal digits, leading zeros included.
Text UInt32ToHex8(std::uint32_t value);

}  // namespace macrange
