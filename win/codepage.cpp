#include "win/codepage.h"

#include <windows.h>

#include <limits>

namespace macrange::win {

namespace {

constexpr UINT kCodePage936 = 936;

int ClampedLength(std::size_t n) {
  return n > static_cast<std::size_t>(std::numeric_limits<int>::max())
             ? std::numeric_limits<int>::max()
             : static_cast<int>(n);
}

}  // namespace

std::wstring WideFrom936(std::string_view text) {
  if (text.empty()) return std::wstring();
  const int in = ClampedLength(text.size());
  const int out = MultiByteToWideChar(kCodePage936, 0, text.data(), in, nullptr, 0);
  if (out <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(out), L'\0');
  MultiByteToWideChar(kCodePage936, 0, text.data(), in, wide.data(), out);
  return wide;
}

std::string TextFromWide(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int in = ClampedLength(text.size());
  const int out = WideCharToMultiByte(kCodePage936, 0, text.data(), in, nullptr, 0, nullptr, nullptr);
  if (out <= 0) return std::string();
  std::string bytes(static_cast<std::size_t>(out), '\0');
  WideCharToMultiByte(kCodePage936, 0, text.data(), in, bytes.data(), out, nullptr, nullptr);
  return bytes;
}

}  // namespace macrange::win
