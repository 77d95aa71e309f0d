// The window's own texts, read from the string table of the program's
// resources (ui/resources/strings.rc) by their IDS_ identifiers.
#pragma once

#include <windows.h>

#include <string>

#include "ui/resources/string_ids.h"

namespace macrange::ui {

// The whole text; empty when the program holds no text of that identifier.
std::wstring LoadText(UINT id);

// The text into buffer, cut short to fit and always terminated, allocating
// nothing: for the messages shown when memory may be gone.
template <int N>
void LoadTextInto(UINT id, wchar_t (&buffer)[N]) {
  static_assert(N > 1);
  if (LoadStringW(GetModuleHandleW(nullptr), id, buffer, N) <= 0) buffer[0] = L'\0';
}

}  // namespace macrange::ui
