#include "core/text.h"

#include <algorithm>
#include <limits>

namespace macrange {

namespace {

// A string_view longer than INT32_MAX bytes cannot be described by a 32-bit
// length; every operation sees at most that many bytes of it.
std::size_t Len(std::string_view t) {
  return std::min<std::size_t>(t.size(), std::numeric_limits<std::int32_t>::max());
}

}  // namespace

std::int32_t TextLength(std::string_view t) { return static_cast<std::int32_t>(Len(t)); }

Text TextLeft(std::string_view t, std::int32_t n) {
  if (n <= 0) return Text();
  return Text(t.substr(0, std::min<std::size_t>(static_cast<std::size_t>(n), Len(t))));
}

Text TextRight(std::string_view t, std::int32_t n) {
  if (n <= 0) return Text();
  const std::size_t len = Len(t);
  const std::size_t take = std::min<std::size_t>(static_cast<std::size_t>(n), len);
  return Text(t.substr(len - take, take));
}

Text TextMid(std::string_view t, std::int32_t start, std::int32_t n) {
  const std::size_t len = Len(t);
  if (start < 1 || static_cast<std::size_t>(start) > len || n <= 0) return Text();
  const std::size_t from = static_cast<std::size_t>(start) - 1;
  return Text(t.substr(from, std::min<std::size_t>(static_cast<std::size_t>(n), len - from)));
}

TextArray SplitText(std::string_view t, std::string_view separator) {
  TextArray pieces;
  const std::size_t len = Len(t);
  const std::size_t s = separator.size();
  if (len == 0 || s == 0) {
    if (len != 0) pieces.emplace_back(t.substr(0, len));
    return pieces;
  }
  std::size_t piece = 0;
  std::size_t cursor = 0;
  while (len - cursor >= s) {
    if (t.compare(cursor, s, separator) == 0) {
      pieces.emplace_back(t.substr(piece, cursor - piece));
      cursor += s;
      piece = cursor;
    } else if (static_cast<unsigned char>(t[cursor]) >= 0x80) {
      if (cursor + 1 >= len) break;  // a lead byte with nothing after it ends the scan
      cursor += 2;
    } else {
      cursor += 1;
    }
  }
  if (piece < len) pieces.emplace_back(t.substr(piece, len - piece));
  return pieces;
}

Text ConcatText(std::initializer_list<std::string_view> parts) {
  std::size_t total = 0;
  for (std::string_view p : parts) total += Len(p);
  Text out;
  out.reserve(total);
  for (std::string_view p : parts) out.append(p.substr(0, Len(p)));
  return out;
}

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t la = Len(a);
  const std::size_t lb = Len(b);
  const std::size_t common = std::min(la, lb);
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (la == lb) return 0;
  return la < lb ? -1 : 1;
}

Text BlankText(std::int32_t n) {
  if (n <= 0) return Text();
  return Text(static_cast<std::size_t>(n), ' ');
}

}  // namespace macrange
