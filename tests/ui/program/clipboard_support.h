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

// Another process holding the clipboard open for the object's lifetime, or
// for hold_ms milliseconds from the moment it holds it, whichever ends first.
class ClipboardHolder {
 public:
  explicit ClipboardHolder(DWORD hold_ms = INFINITE);
  ~ClipboardHolder();
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;
  // The holder opened the clipboard.
  bool holding() const { return holding_; }
  // The holder has not begun to let go yet: the clipboard is certainly held.
  bool still_holding() const { return holding_ && WaitForSingleObject(let_go_, 0) == WAIT_TIMEOUT; }

 private:
  HANDLE held_ = nullptr;
  HANDLE release_ = nullptr;
  HANDLE let_go_ = nullptr;
  PROCESS_INFORMATION process_{};
  bool holding_ = false;
};

}  // namespace macrange::test
