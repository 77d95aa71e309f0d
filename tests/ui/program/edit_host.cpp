#include "edit_host.h"

namespace macrange::test {

namespace {

constexpr wchar_t kHostClass[] = L"MacrangeTestEditHost";

void RegisterHostClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kHostClass;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
}

}  // namespace

EditHost::EditHost(int boxes) {
  RegisterHostClass();
  window_ = CreateWindowExW(0, kHostClass, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0,
                            40 + 216 * boxes, 464, nullptr, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
  for (int i = 0; i < boxes; ++i) {
    HWND box = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
            ES_WANTRETURN,
        8 + 216 * i, 80, 208, 312, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)),
        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    SendMessageW(box, EM_LIMITTEXT, 0, 0);
    boxes_.push_back(box);
  }
  ShowWindow(window_, SW_SHOW);
  PumpMessages();
}

EditHost::~EditHost() {
  DestroyWindow(window_);
  PumpMessages();
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace macrange::test
