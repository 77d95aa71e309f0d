#include "edit_host.h"

namespace macrange::test {

namespace {

constexpr wchar_t kHostClass[] = L"MacrangeTestEditHost";
constexpr wchar_t kCounterProperty[] = L"MacrangeTestMessageCounter";

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

MessageCounter::MessageCounter(HWND window) : window_(window) {
  SetPropW(window_, kCounterProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageCounter::Proc)));
}

MessageCounter::~MessageCounter() {
  if (!IsWindow(window_)) return;
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropW(window_, kCounterProperty);
}

int MessageCounter::Count(UINT message) const {
  const auto found = counts_.find(message);
  return found == counts_.end() ? 0 : found->second;
}

// The count allocates the first time a message is seen: not for the tests that
// make memory run out, since on x86 no exception can leave a window procedure
// (DWARF unwinding does not pass the window system's frames).
LRESULT CALLBACK MessageCounter::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<MessageCounter*>(GetPropW(window, kCounterProperty));
  ++self->counts_[message];
  return CallWindowProcW(self->previous_, window, message, wparam, lparam);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace macrange::test
