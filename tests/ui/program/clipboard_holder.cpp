// Plays another program that holds the clipboard open:
//   clipboard_holder HELD_EVENT RELEASE_EVENT
// opens the clipboard with a window of its own, signals HELD_EVENT, and
// closes it when RELEASE_EVENT is signalled. (Under Wine a second
// OpenClipboard with no window succeeds, so the holder needs a window.)
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  HWND window = CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window || !OpenClipboard(window)) return 3;
  HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
  HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[2]);
  if (!held || !release) return 4;
  SetEvent(held);
  WaitForSingleObject(release, 60000);
  CloseClipboard();
  DestroyWindow(window);
  return 0;
}
