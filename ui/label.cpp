#include "ui/label.h"

#include "ui/window_class.h"

namespace macrange::ui {

namespace {

HFONT LabelFont(HWND label) {
  const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(label, GWLP_USERDATA));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Nothing here allocates or throws: this runs inside the window procedure,
// which on the x86 build no C++ exception may leave (it unwinds with DWARF
// tables, which cannot pass through the window system's frames). The caption
// is read into a fixed buffer; a label 32 pixels wide shows far fewer
// characters than it holds.
constexpr int kLongestCaption = 255;

// The whole label is painted here, background included, so WM_ERASEBKGND
// has nothing to do and the caption never flickers.
void PaintLabel(HWND label, HDC dc) {
  RECT area;
  GetClientRect(label, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  wchar_t caption[kLongestCaption + 1] = {};
  const int length = GetWindowTextW(label, caption, kLongestCaption + 1);
  const HGDIOBJ old_font = SelectObject(dc, LabelFont(label));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption, length > 0 ? length : 0, &area,
            DT_NOPREFIX | DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  SelectObject(dc, old_font);
}

LRESULT CALLBACK LabelProc(HWND label, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(label, &ps);
      PaintLabel(label, dc);
      EndPaint(label, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintLabel(label, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      SetWindowLongPtrW(label, GWLP_USERDATA, static_cast<LONG_PTR>(wparam));
      if (LOWORD(lparam)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return static_cast<LRESULT>(GetWindowLongPtrW(label, GWLP_USERDATA));
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(label, msg, wparam, lparam);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
  }
  return DefWindowProcW(label, msg, wparam, lparam);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  return RegisterOwnWindowClass(instance, kLabelClassName, LabelProc);
}

}  // namespace macrange::ui
