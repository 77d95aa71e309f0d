// Reading and holding the clipboard from the tests.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace macrange::test {

// The whole block the clipboard holds in format, as bytes; nothing when it
// holds no such block or cannot be opened.
std::optional<std::string> ClipboardBlock(UINT format);

// Replaces the clipboard's content with text as CF_UNICODETEXT only.
void PutClipboardUnicode(const std::wstring& text);

// Another process holding the clipboard open for the object's lifetime.
class ClipboardHolder {
 public:
  ClipboardHolder();
  ~ClipboardHolder();
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;
  bool holding() const { return holding_; }

 private:
  HANDLE held_ = nullptr;
  HANDLE release_ = nullptr;
  PROCESS_INFORMATION process_{};
  bool holding_ = false;
};

}  // namespace macrange::test
