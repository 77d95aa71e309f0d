// Test output shows texts with every byte outside printable ASCII escaped.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace macrange {

inline std::string Escaped(std::string_view text) {
  std::string out;
  for (unsigned char b : text) {
    if (b >= 0x20 && b < 0x7F) {
      out += static_cast<char>(b);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  return out;
}

}  // namespace macrange
