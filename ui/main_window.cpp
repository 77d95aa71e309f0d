#include "ui/main_window.h"

#include <array>
#include <string>
#include <string_view>

#include "ui/dpi.h"
#include "ui/handlers.h"
#include "ui/label.h"
#include "ui/program.h"
#include "ui/texts.h"
#include "ui/window_class.h"

namespace macrange::ui {

namespace {

constexpr wchar_t kWindowClassName[] = L"MacrangeMainWindow";
// The window's outer size, and every measure in the control table below, are
// the layout at 96 DPI; LayoutAt scales them to the window's DPI.
constexpr int kWindowWidth = 235;
constexpr int kWindowHeight = 464;
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

enum class Kind { kLabel, kEdit, kButton };

struct ControlTemplate {
  ControlId id;
  Kind kind;
  DWORD style;
  DWORD ex_style;
  int left, top, width, height;
  UINT caption;  // string-table identifier, 0 for none
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kLineBoxStyle = kChild | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kOutputBoxStyle =
    kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButtonStyle =
    kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;

// The controls in template order: the z-order from the top. They are made in
// the reverse order, and that order is also the focus cycle's.
constexpr std::array<ControlTemplate, 7> kTemplate = {{
    {kIdEndLabel, Kind::kLabel, kChild, 0, 8, 48, 32, 24, IDS_END_LABEL},          // 标签2
    {kIdStartLabel, Kind::kLabel, kChild, 0, 8, 16, 32, 24, IDS_START_LABEL},      // 标签1
    {kIdEndBox, Kind::kEdit, kLineBoxStyle, WS_EX_CLIENTEDGE, 48, 48, 168, 24, 0},   // 编辑框3
    {kIdStartBox, Kind::kEdit, kLineBoxStyle, WS_EX_CLIENTEDGE, 48, 16, 168, 24, 0}, // 编辑框2
    {kIdCopyButton, Kind::kButton, kButtonStyle, 0, 128, 400, 88, 32, IDS_COPY_BUTTON},  // 按钮2
    {kIdGenerateButton, Kind::kButton, kButtonStyle, 0, 8, 400, 88, 32,
     IDS_GENERATE_BUTTON},                                                         // 按钮1
    {kIdOutputBox, Kind::kEdit, kOutputBoxStyle, WS_EX_CLIENTEDGE, 8, 80, 208, 312, 0},  // 编辑框1
}};

// The identifiers count up by 10 from 100 in the order the controls are made.
constexpr bool IdsFollowCreationOrder() {
  for (std::size_t i = 0; i < kTemplate.size(); ++i) {
    if (kTemplate[kTemplate.size() - 1 - i].id != 100 + 10 * static_cast<int>(i)) return false;
  }
  return true;
}
static_assert(IdsFollowCreationOrder());

constexpr int kBoxCount = 3;

struct BoxBrush {
  HWND box = nullptr;
  HBRUSH brush = nullptr;
};

// The one window's state. The program makes a single MainWindow.
struct WindowState {
  HWND window = nullptr;
  HFONT dpi_font = nullptr;   // DEFAULT_GUI_FONT at the window's DPI (CreateGuiFontForDpi)
  HFONT font = nullptr;       // the window's own, as WM_SETFONT set it
  HICON big_icon = nullptr;
  HICON small_icon = nullptr;
  HWND focus_at_deactivation = nullptr;
  std::array<BoxBrush, kBoxCount> box_brushes{};
};

WindowState g_state;

// A rectangle of the 96-DPI layout, given as left, top, width and height,
// at dpi: each of the four measures is scaled on its own.
RECT LayoutAt(int left, int top, int width, int height, UINT dpi) {
  const int scaled_left = ScaleToDpi(left, dpi);
  const int scaled_top = ScaleToDpi(top, dpi);
  return {scaled_left, scaled_top, scaled_left + ScaleToDpi(width, dpi),
          scaled_top + ScaleToDpi(height, dpi)};
}

// The window's outer rectangle at dpi, centred on the primary screen; the
// divisions truncate toward zero.
RECT WindowRectAt(UINT dpi) {
  const int width = ScaleToDpi(kWindowWidth, dpi);
  const int height = ScaleToDpi(kWindowHeight, dpi);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return {left, top, left + width, top + height};
}

RECT ControlRectAt(const ControlTemplate& entry, UINT dpi) {
  return LayoutAt(entry.left, entry.top, entry.width, entry.height, dpi);
}

HWND FirstFocusControl() { return NextFocusControl(nullptr, false); }

bool IsInsideWindow(HWND window, HWND control) {
  return control && IsWindow(control) && IsChild(window, control);
}

// The focus goes back where it was when the window was last deactivated.
void PassFocusOn(HWND window) {
  HWND target = g_state.focus_at_deactivation;
  if (!IsInsideWindow(window, target)) target = FirstFocusControl();
  if (target) SetFocus(target);
}

LRESULT ColoursOfBox(HWND box, HDC dc) {
  for (const BoxBrush& entry : g_state.box_brushes) {
    if (entry.box == box && entry.brush) {
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(entry.brush);
    }
  }
  return 0;
}

void OnCommand(WPARAM wparam, LPARAM lparam) {
  if (HIWORD(wparam) != BN_CLICKED || lparam == 0) return;
  switch (LOWORD(wparam)) {
    case kIdGenerateButton:
      OnGenerateClicked();
      break;
    case kIdCopyButton:
      OnCopyClicked();
      break;
  }
}

void ReleaseWindowResources() {
  for (BoxBrush& entry : g_state.box_brushes) {
    if (entry.brush) DeleteObject(entry.brush);
    entry = BoxBrush{};
  }
  if (g_state.big_icon) DestroyIcon(g_state.big_icon);
  if (g_state.small_icon) DestroyIcon(g_state.small_icon);
  ReleaseGuiFont(g_state.dpi_font);
  g_state = WindowState{};
}

// The window system may make the window another size than asked (a frame
// wider than it can draw, a screen too small), and the monitor it opens on
// may have another DPI than the system's, which it was made for: it is put
// right at once, at its size for its DPI and centred for that size.
void PlaceWindow(HWND window, UINT dpi) {
  const RECT wanted = WindowRectAt(dpi);
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  if (rect.right - rect.left != wanted.right - wanted.left ||
      rect.bottom - rect.top != wanted.bottom - wanted.top) {
    MoveWindow(window, wanted.left, wanted.top, wanted.right - wanted.left,
               wanted.bottom - wanted.top, TRUE);
  }
}

// The icon resource at the size the system metrics give at dpi for the
// icon's kind (SM_CXICON/SM_CYICON or SM_CXSMICON/SM_CYSMICON): 32 and 16 at
// 96 DPI. LoadImage makes it from the closest of its 16, 32 and 48 pixel
// images.
HICON LoadIconAt(HINSTANCE instance, int width_metric, int height_metric, UINT dpi) {
  return static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                       SystemMetricForDpi(width_metric, dpi),
                                       SystemMetricForDpi(height_metric, dpi), LR_DEFAULTCOLOR));
}

// Sets the big and small icons for dpi and frees the ones they replace.
void SetIcons(HWND window, HINSTANCE instance, UINT dpi) {
  const HICON big_icon = LoadIconAt(instance, SM_CXICON, SM_CYICON, dpi);
  const HICON small_icon = LoadIconAt(instance, SM_CXSMICON, SM_CYSMICON, dpi);
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
  if (g_state.big_icon) DestroyIcon(g_state.big_icon);
  if (g_state.small_icon) DestroyIcon(g_state.small_icon);
  g_state.big_icon = big_icon;
  g_state.small_icon = small_icon;
}

// Gives the window and each control that exists DEFAULT_GUI_FONT's face at
// dpi; the font it replaces is freed once nothing uses it.
void SetFonts(HWND window, UINT dpi) {
  const HFONT font = CreateGuiFontForDpi(dpi);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const ControlTemplate& entry : kTemplate) {
    if (const HWND control = GetDlgItem(window, entry.id)) {
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
  }
  if (g_state.dpi_font != font) ReleaseGuiFont(g_state.dpi_font);
  g_state.dpi_font = font;
}

void LayOutControls(HWND window, UINT dpi) {
  for (const ControlTemplate& entry : kTemplate) {
    const HWND control = GetDlgItem(window, entry.id);
    if (!control) continue;
    const RECT rect = ControlRectAt(entry, dpi);
    MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
  }
}

// The window was moved to a screen of another DPI, or that screen's DPI
// changed: it takes the rectangle the system suggests and is laid out, lettered
// and given icons for the new DPI. Moving and re-lettering a control keeps its
// text, selection and scroll position, and the focus stays where it is.
void OnDpiChanged(HWND window, UINT dpi, const RECT* suggested) {
  if (suggested) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  LayOutControls(window, dpi);
  SetFonts(window, dpi);
  SetIcons(window, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), dpi);
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_NCCREATE:
      g_state.window = window;
      ScaleNonClientArea(window);
      break;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(window, &area);
      FillRect(reinterpret_cast<HDC>(wparam), &area, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_SETFONT:
      g_state.font = reinterpret_cast<HFONT>(wparam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(g_state.font);
    case WM_CTLCOLOREDIT:
      if (const LRESULT brush = ColoursOfBox(reinterpret_cast<HWND>(lparam),
                                             reinterpret_cast<HDC>(wparam))) {
        return brush;
      }
      break;
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_DPICHANGED:
      // Both words of wparam hold the new DPI; they are always equal.
      OnDpiChanged(window, HIWORD(wparam), reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (IsInsideWindow(window, focus)) g_state.focus_at_deactivation = focus;
      }
      break;  // DefWindowProc gives the window the focus when it is activated
    case WM_SETFOCUS:
      PassFocusOn(window);
      return 0;
    case WM_NCDESTROY:
      // The controls are gone by now, so nothing paints with the brushes.
      ReleaseWindowResources();
      NoteWindowDestroyed();
      break;
  }
  return DefWindowProcW(window, msg, wparam, lparam);
}

bool RegisterWindowClass(HINSTANCE instance) {
  return RegisterOwnWindowClass(instance, kWindowClassName, WindowProc);
}

const wchar_t* ClassNameOf(Kind kind) {
  switch (kind) {
    case Kind::kLabel:
      return kLabelClassName;
    case Kind::kEdit:
      return L"EDIT";
    case Kind::kButton:
      return L"BUTTON";
  }
  return L"";
}

// An edit box takes any length of text, starts with the caret at its start,
// and has a white brush of its own for WM_CTLCOLOREDIT.
bool SetUpBox(HWND box) {
  SendMessageW(box, EM_LIMITTEXT, 0, 0);
  SendMessageW(box, EM_SETSEL, 0, 0);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  for (BoxBrush& entry : g_state.box_brushes) {
    if (entry.box) continue;
    entry.brush = CreateSolidBrush(RGB(255, 255, 255));
    entry.box = box;
    return entry.brush != nullptr;
  }
  return false;
}

HWND MakeControl(HWND window, HINSTANCE instance, const ControlTemplate& entry, UINT dpi) {
  if (entry.kind == Kind::kLabel && !RegisterLabelClass(instance)) return nullptr;
  const std::wstring caption = entry.caption ? LoadText(entry.caption) : std::wstring();
  const RECT rect = ControlRectAt(entry, dpi);
  const HWND control = CreateWindowExW(
      entry.ex_style, ClassNameOf(entry.kind), caption.c_str(), entry.style, rect.left, rect.top,
      rect.right - rect.left, rect.bottom - rect.top, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
  if (!control) return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_state.dpi_font), FALSE);
  if (entry.kind == Kind::kEdit && !SetUpBox(control)) return nullptr;
  return control;
}

// Made hidden, in reverse template order; then stacked in template order and
// shown without being activated.
bool MakeControls(HWND window, HINSTANCE instance, UINT dpi) {
  std::array<HWND, kTemplate.size()> made{};
  for (std::size_t i = kTemplate.size(); i-- > 0;) {
    made[i] = MakeControl(window, instance, kTemplate[i], dpi);
    if (!made[i]) return false;
  }
  for (std::size_t i = 0; i < made.size(); ++i) {
    SetWindowPos(made[i], i == 0 ? HWND_TOP : made[i - 1], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (const HWND control : made) ShowWindow(control, SW_SHOWNA);
  return true;
}

bool CanTakeFocus(HWND control) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  return (style & WS_VISIBLE) && (style & WS_TABSTOP) && !(style & WS_DISABLED);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  if (g_state.window || !RegisterWindowClass(instance)) return nullptr;
  // Until the window exists, the system DPI is the best guess at its
  // screen's; once it is on its screen, that screen's DPI decides.
  const RECT rect = WindowRectAt(SystemDpi());
  const HWND window = CreateWindowExW(0, kWindowClassName, L"", kWindowStyle, rect.left, rect.top,
                                      rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                      nullptr, instance, nullptr);
  if (!window) return nullptr;
  const UINT dpi = DpiOfWindow(window);
  PlaceWindow(window, dpi);
  SetIcons(window, instance, dpi);
  SetFonts(window, dpi);
  if (!MakeControls(window, instance, dpi)) {
    DestroyWindow(window);
    return nullptr;
  }
  OnMainWindowCreated();
  return window;
}

HWND MainWindowHandle() { return g_state.window; }

HWND MainWindowControl(int id) { return g_state.window ? GetDlgItem(g_state.window, id) : nullptr; }

HWND NextFocusControl(HWND from, bool backward) {
  // Every control has the same tab-order value, so the cycle runs in the
  // order the controls were made: the reverse of template order.
  std::array<HWND, kTemplate.size()> cycle{};
  std::size_t count = 0;
  for (std::size_t i = kTemplate.size(); i-- > 0;) {
    const HWND control = MainWindowControl(kTemplate[i].id);
    if (control && CanTakeFocus(control)) cycle[count++] = control;
  }
  if (count == 0) return nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    if (cycle[i] != from) continue;
    return backward ? cycle[(i + count - 1) % count] : cycle[(i + 1) % count];
  }
  return backward ? cycle[count - 1] : cycle[0];
}

}  // namespace macrange::ui
