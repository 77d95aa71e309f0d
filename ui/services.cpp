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

// Chinese (PRC): its ANSI code page is 936.
constexpr LCID kClipboardLocale =
    MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
static_assert(kClipboardLocale == 0x0804);

// Another program may hold the clipboard open for a moment; the window stays
// unanswered for at most wait_ms. GetTickCount's difference is right across
// its wrap-around.
bool OpenClipboardWithin(HWND owner, DWORD wait_ms) {
  const DWORD start = GetTickCount();
  while (!OpenClipboard(owner)) {
    if (GetTickCount() - start >= wait_ms) return false;
    Sleep(kClipboardRetryMs);
  }
  return true;
}

// A task-modal box with no owner disables every window of the thread while it
// is up; when it goes, the window system hands the activation on to the next
// enabled window (another program's, when one is open) before the thread's
// windows are enabled again, and the keys the user types next would go there.
// So the window that was active is brought back to the foreground once the
// box has returned: Windows allows it, as the user's own key or click in the
// box was the last input. The focus goes back to the control that had it.
void GiveBackKeyboard(HWND active, HWND focus) {
  if (!active || !IsWindow(active)) return;
  SetForegroundWindow(active);
  if (focus && IsWindow(focus) && (focus == active || IsChild(active, focus))) SetFocus(focus);
}

void ShowWideMessage(const std::wstring& text) {
  const std::wstring caption = LoadText(IDS_MESSAGE_CAPTION);
  const HWND active = GetActiveWindow();
  const HWND focus = GetFocus();
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
  GiveBackKeyboard(active, focus);
}

}  // namespace

Text ReadControlText(HWND control) { return win::TextFromWide(ReadControlWideText(control)); }

std::wstring ReadControlWideText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const int read = GetWindowTextW(control, wide.data(), length + 1);
  wide.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  return wide;
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

bool SetClipboardText(HWND owner, std::string_view text, std::wstring_view unicode) {
  if (!OpenClipboardWithin(owner, kClipboardWaitMs)) return false;
  EmptyClipboard();
  const bool placed = PutClipboardBlock(CF_TEXT, text.data(), text.size(), 1);
  if (placed) {
    PutClipboardBlock(CF_UNICODETEXT, unicode.data(), unicode.size() * sizeof(wchar_t),
                      sizeof(wchar_t));
    PutClipboardBlock(CF_LOCALE, &kClipboardLocale, sizeof kClipboardLocale, 0);
  }
  CloseClipboard();
  return placed;
}

}  // namespace macrange::ui
