#include "ui/texts.h"

namespace macrange::ui {

std::wstring LoadText(UINT id) {
  // With a buffer size of 0, LoadStringW hands back a pointer to the text in
  // the resource itself (not terminated) and its length: no length limit.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return std::wstring();
  return std::wstring(text, static_cast<std::size_t>(length));
}

}  // namespace macrange::ui
