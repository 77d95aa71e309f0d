#include "clipboard_support.h"

#include <cstring>

namespace macrange::test {

std::optional<std::string> ClipboardBlock(UINT format) {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> result;
  if (HANDLE block = GetClipboardData(format)) {
    const SIZE_T size = GlobalSize(block);
    if (const void* bytes = GlobalLock(block)) {
      result.emplace(static_cast<const char*>(bytes), size);
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return result;
}

void PutClipboardUnicode(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(block), text.c_str(), size);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

ClipboardHolder::ClipboardHolder(DWORD hold_ms) {
  const std::wstring id = std::to_wstring(GetCurrentProcessId());
  const std::wstring held_name = L"macrange-clipboard-held-" + id;
  const std::wstring release_name = L"macrange-clipboard-release-" + id;
  const std::wstring let_go_name = L"macrange-clipboard-let-go-" + id;
  held_ = CreateEventW(nullptr, TRUE, FALSE, held_name.c_str());
  release_ = CreateEventW(nullptr, TRUE, FALSE, release_name.c_str());
  let_go_ = CreateEventW(nullptr, TRUE, FALSE, let_go_name.c_str());

  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring holder = path;
  holder = holder.substr(0, holder.find_last_of(L"\\/") + 1) + L"clipboard_holder.exe";
  std::wstring command =
      L"\"" + holder + L"\" " + held_name + L" " + release_name + L" " + let_go_name;
  if (hold_ms != INFINITE) command += L" " + std::to_wstring(hold_ms);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(holder.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    return;
  }
  HANDLE waits[2] = {held_, process_.hProcess};
  holding_ = WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0;
}

ClipboardHolder::~ClipboardHolder() {
  SetEvent(release_);
  if (process_.hProcess) {
    WaitForSingleObject(process_.hProcess, 30000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  CloseHandle(held_);
  CloseHandle(release_);
  CloseHandle(let_go_);
}

}  // namespace macrange::test
