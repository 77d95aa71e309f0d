// Operations on Text: byte strings in code page 936 that hold no zero byte.
//
// Lengths, counts and positions are in bytes and held in signed 32-bit
// integers; positions are 1-based. Every operation is pure: it reads its
// arguments only and returns a new value that owns its own storage. Only
// SplitText knows about double-byte characters; the others count bytes and may
// cut such a character in two.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace macrange {

using Text = std::string;
using TextArray = std::vector<Text>;  // addressed from 1 by callers: entry i is [i - 1]

// Number of bytes of t; saturates at INT32_MAX for a text that long.
std::int32_t TextLength(std::string_view t);

// The first min(n, length) bytes of t; empty when n <= 0.
Text TextLeft(std::string_view t, std::int32_t n);

// The last min(n, length) bytes of t; empty when n <= 0.
Text TextRight(std::string_view t, std::int32_t n);

// Bytes start .. start + n - 1 of t, cut short at its end; empty when start < 1,
// start > length or n <= 0. A start below 1 is not moved to 1.
Text TextMid(std::string_view t, std::int32_t start, std::int32_t n);

// The pieces of t between occurrences of separator (which must not be empty).
// An empty t gives no entries; a separator at the very end adds no empty entry.
// A byte of 0x80 or above begins a two-byte character whose second byte is
// never taken as the start of a separator.
TextArray SplitText(std::string_view t, std::string_view separator);

// The bytes of every part, in order.
Text ConcatText(std::initializer_list<std::string_view> parts);

template <typename... Parts>
Text ConcatText(std::string_view first, const Parts&... rest) {
  return ConcatText({first, std::string_view(rest)...});
}

// -1, 0 or +1: bytes compared as unsigned values; a text that ends first is
// the smaller one.
int CompareText(std::string_view a, std::string_view b);

// n spaces; empty when n <= 0.
Text BlankText(std::int32_t n);

}  // namespace macrange
