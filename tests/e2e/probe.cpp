// Looks at the running window program from another process of the same Wine
// desktop, for the end-to-end test:
//   e2e_probe controls   one line per control of MainWindow: "ID LEFT TOP RIGHT BOTTOM"
//                        in desktop coordinates; exit status 1 while no MainWindow is shown
//   e2e_probe box        the message box shown: "caption=...", "text=...",
//                        "buttons=N" and "ok=LEFT TOP RIGHT BOTTOM"; exit status 1 while none is
//   e2e_probe focus      the identifier of MainWindow's control that has the keyboard focus;
//                        exit status 1 while none has
//   e2e_probe text ID    the text of MainWindow's control ID
//   e2e_probe codepage   "acp=N expected=M": Windows' code page and the one the locale asks
//                        for; exit status 0 only when they are the same
// Texts are printed in UTF-8, lines end in "\n".
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "../ui/support/expected_code_page.h"

namespace {

constexpr int kControlIds[] = {100, 110, 120, 130, 140, 150, 160};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  if (!IsWindowVisible(window)) return TRUE;
  for (int id : kControlIds) {
    if (!GetDlgItem(window, id)) return TRUE;
  }
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (!IsWindowVisible(window) || std::wstring(cls) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

std::wstring TextOf(HWND window) {
  // WM_GETTEXT is carried across processes; GetWindowText would not ask.
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT read = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(read));
  return text;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

void PrintRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld", static_cast<long>(r.left), static_cast<long>(r.top),
              static_cast<long>(r.right), static_cast<long>(r.bottom));
}

HWND MainWindow() {
  HWND main = nullptr;
  EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&main));
  return main;
}

int Controls() {
  const HWND main = MainWindow();
  if (!main) return 1;
  for (int id : kControlIds) {
    std::printf("%d ", id);
    PrintRect(GetDlgItem(main, id));
    std::printf("\n");
  }
  return 0;
}

int Box() {
  HWND box = nullptr;
  EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return 1;
  std::string text;
  int buttons = 0;
  HWND ok = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (_wcsicmp(cls, L"Button") == 0) {
      ++buttons;
      if (GetDlgCtrlID(child) == IDOK) ok = child;
    } else if (_wcsicmp(cls, L"Static") == 0) {
      text += Utf8(TextOf(child));
    }
  }
  std::printf("caption=%s\ntext=%s\nbuttons=%d\nok=", Utf8(TextOf(box)).c_str(), text.c_str(), buttons);
  if (ok) PrintRect(ok);
  std::printf("\n");
  return 0;
}

// The focus of another process's window is its thread's, read from there.
int Focus() {
  const HWND main = MainWindow();
  if (!main) return 1;
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) || !info.hwndFocus ||
      GetParent(info.hwndFocus) != main) {
    return 1;
  }
  std::printf("%d\n", GetDlgCtrlID(info.hwndFocus));
  return 0;
}

int Text(int id) {
  const HWND main = MainWindow();
  if (!main) return 1;
  std::printf("%s\n", Utf8(TextOf(GetDlgItem(main, id))).c_str());
  return 0;
}

int CodePage() {
  const UINT acp = GetACP();
  const UINT expected = macrange::test::ExpectedCodePage();
  std::printf("acp=%u expected=%u\n", acp, expected);
  return acp == expected && expected != 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // "\n" stays "\n"
  if (argc == 2 && std::wstring(argv[1]) == L"controls") return Controls();
  if (argc == 2 && std::wstring(argv[1]) == L"box") return Box();
  if (argc == 2 && std::wstring(argv[1]) == L"focus") return Focus();
  if (argc == 3 && std::wstring(argv[1]) == L"text") {
    return Text(static_cast<int>(std::wcstol(argv[2], nullptr, 10)));
  }
  if (argc == 2 && std::wstring(argv[1]) == L"codepage") return CodePage();
  std::fputs("usage: e2e_probe controls|box|focus|text ID|codepage\n", stderr);
  return 2;
}
