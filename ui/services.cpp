#include "ui/services.h"

#include <cstring>
#include <string>

#include "ui/texts.h"
#include "win/codepage.h"

namespace macrange::ui {

namespace {

constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Hands size bytes from data, followed by zero_size zero bytes, to the
// clipboard as format. The block belongs to the clipboard once it took it; it
// is freed here only when it was refused.
bool PutClipboardBlock(UINT format, const void* data, std::size_t size, std::size_t zero_size) {
  HGLOBAL block = GlobalAlloc(kBlockFlags, size + zero_size);
  if (!block) return false;
  void* bytes = GlobalLock(block);
  if (!bytes) {
    GlobalFree(block);
    return false;
  }
  if (size > 0) std::memcpy(bytes, data, size);  // GMEM_ZEROINIT wrote the zeros
  GlobalUnlock(block);
  if (!SetClipboardData(format, block)) {
    GlobalFree(block);
    return false;
  }
  return true;
}

void ShowWideMessage(const std::wstring& text) {
  const std::wstring caption = LoadText(IDS_MESSAGE_CAPTION);
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace

Text ReadControlText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  if (length <= 0) return Text();
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const int read = GetWindowTextW(control, wide.data(), length + 1);
  wide.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return win::TextFromWide(wide);
}

void AppendEditText(HWND edit, std::string_view text) {
  // The boxes are Unicode windows: their length and EM_SETSEL both count
  // UTF-16 units, so the length is exactly the position after the last
  // character.
  const std::wstring wide = win::WideFrom936(text);
  const int end = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, end, end);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ShowMessage(std::string_view message) { ShowWideMessage(win::WideFrom936(message)); }

void ShowMessage(UINT text_id) { ShowWideMessage(LoadText(text_id)); }

bool SetClipboardText(HWND owner, std::string_view text) {
  // Converted before the clipboard is opened: nothing allocated with new
  // happens while it is open, so running out of memory cannot leave it open.
  const std::wstring wide = win::WideFrom936(text);
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  const bool placed = PutClipboardBlock(CF_TEXT, text.data(), text.size(), 1);
  if (placed) {
    PutClipboardBlock(CF_UNICODETEXT, wide.data(), wide.size() * sizeof(wchar_t),
                      sizeof(wchar_t));
  }
  CloseClipboard();
  return placed;
}

}  // namespace macrange::ui
