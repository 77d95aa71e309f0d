// Plays another program that holds the clipboard open:
//   clipboard_holder HELD_EVENT RELEASE_EVENT LET_GO_EVENT [HOLD_MS]
// opens the clipboard with a window of its own, signals HELD_EVENT, and
// closes it when RELEASE_EVENT is signalled or, with HOLD_MS, after that many
// milliseconds, whichever comes first. LET_GO_EVENT is signalled just before
// the clipboard is closed, so while it is not signalled the clipboard is held.
// (Under Wine a second OpenClipboard with no window succeeds, so the holder
// needs a window.)
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 4 && argc != 5) return 2;
  const DWORD hold_ms = argc == 5 ? static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10)) : 60000;
  HWND window = CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window || !OpenClipboard(window)) return 3;
  HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
  HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[2]);
  HANDLE let_go = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
  if (!held || !release || !let_go) return 4;
  SetEvent(held);
  WaitForSingleObject(release, hold_ms);
  SetEvent(let_go);
  CloseClipboard();
  DestroyWindow(window);
  return 0;
}
