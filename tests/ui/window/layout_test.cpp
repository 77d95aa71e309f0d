// The window and its seven controls as laid out: styles, geometry, texts,
// fonts, stacking order, icons and colours, checked on the live window.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace macrange::test {
namespace {

using ui::ControlId;

// The class name the window system reports, without the version prefix
// ("6.0.0.0!Edit") that class redirection may put in front of it.
std::wstring BaseClassName(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  std::wstring text = name;
  const std::size_t bang = text.rfind(L'!');
  if (bang != std::wstring::npos) text.erase(0, bang + 1);
  for (wchar_t& c : text) c = static_cast<wchar_t>(towupper(c));
  return text;
}

RECT RectInClient(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kLineBox = kChild | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kOutputBox = kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;

struct ExpectedControl {
  const char* name;
  int id;
  const wchar_t* class_name;  // upper case; empty for the program's label class
  RECT rect;                  // left, top, right, bottom in the client area
  const wchar_t* text;
  DWORD style;
  DWORD ex_style;
};

// In template order.
const ExpectedControl kControls[] = {
    {"label 2", ui::kIdEndLabel, L"", {8, 48, 40, 72}, L"结束", kChild, 0},
    {"label 1", ui::kIdStartLabel, L"", {8, 16, 40, 40}, L"开始", kChild, 0},
    {"edit box 3", ui::kIdEndBox, L"EDIT", {48, 48, 216, 72}, L"", kLineBox, WS_EX_CLIENTEDGE},
    {"edit box 2", ui::kIdStartBox, L"EDIT", {48, 16, 216, 40}, L"", kLineBox, WS_EX_CLIENTEDGE},
    {"button 2", ui::kIdCopyButton, L"BUTTON", {128, 400, 216, 432}, L"复制", kButton, 0},
    {"button 1", ui::kIdGenerateButton, L"BUTTON", {8, 400, 96, 432}, L"开始生成", kButton, 0},
    {"edit box 1", ui::kIdOutputBox, L"EDIT", {8, 80, 216, 392}, L"", kOutputBox, WS_EX_CLIENTEDGE},
};

using LayoutTest = MainWindowTest;

TEST_F(LayoutTest, WindowHasItsOuterSizeCentredOnTheScreen) {
  RECT rect;
  ASSERT_TRUE(GetWindowRect(window_, &rect));
  EXPECT_EQ(rect.right - rect.left, 235);
  EXPECT_EQ(rect.bottom - rect.top, 464);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 235) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 464) / 2);
}

TEST_F(LayoutTest, WindowStyleIsAFixedFrameWithMinimiseBox) {
  const DWORD style = StyleOf(window_);
  for (const DWORD bit : std::initializer_list<DWORD>{WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_CLIPCHILDREN, WS_VISIBLE}) {
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  }
  for (const DWORD bit : std::initializer_list<DWORD>{WS_THICKFRAME, WS_MAXIMIZEBOX, WS_POPUP, WS_CHILD, WS_DISABLED,
                          WS_VSCROLL, WS_HSCROLL, WS_MAXIMIZE, WS_MINIMIZE}) {
    EXPECT_EQ(style & bit, 0u) << std::hex << bit;
  }
  // The window system adds WS_EX_WINDOWEDGE to every captioned window itself.
  EXPECT_EQ(ExStyleOf(window_) & ~DWORD{WS_EX_WINDOWEDGE}, 0u) << std::hex << ExStyleOf(window_);
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);
  EXPECT_EQ(GetParent(window_), nullptr);
}

TEST_F(LayoutTest, CaptionIsEmptyAndTheIconIsSetBigAndSmall) {
  EXPECT_EQ(GetWindowTextLengthW(window_), 0);
  const struct {
    WPARAM which;
    LONG size;
  } icons[] = {{ICON_BIG, 32}, {ICON_SMALL, 16}};
  for (const auto& icon : icons) {
    const auto handle = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, icon.which, 0));
    ASSERT_NE(handle, nullptr) << icon.size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(handle, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, icon.size);
    EXPECT_EQ(colour.bmHeight, icon.size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

TEST_F(LayoutTest, WindowAndControlsUseTheDefaultGuiFont) {
  const auto font = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(SendMessageW(window_, WM_GETFONT, 0, 0), font);
  for (const ExpectedControl& c : kControls) {
    EXPECT_EQ(SendMessageW(Control(c.id), WM_GETFONT, 0, 0), font) << c.name;
  }
}

TEST_F(LayoutTest, EachControlHasItsClassPlaceStyleAndText) {
  wchar_t label_class[256] = {};
  GetClassNameW(Control(ui::kIdStartLabel), label_class, 256);
  for (const ExpectedControl& c : kControls) {
    SCOPED_TRACE(c.name);
    const HWND control = Control(c.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), window_);
    EXPECT_EQ(GetDlgCtrlID(control), c.id);
    if (*c.class_name) {
      EXPECT_EQ(BaseClassName(control), c.class_name);
    } else {
      // A class of the program's own, not one of the system's.
      wchar_t name[256] = {};
      GetClassNameW(control, name, 256);
      EXPECT_EQ(std::wstring(name), std::wstring(label_class));
      for (const wchar_t* system : {L"STATIC", L"EDIT", L"BUTTON"}) EXPECT_NE(BaseClassName(control), system);
    }
    const RECT rect = RectInClient(window_, control);
    EXPECT_EQ(rect.left, c.rect.left);
    EXPECT_EQ(rect.top, c.rect.top);
    EXPECT_EQ(rect.right, c.rect.right);
    EXPECT_EQ(rect.bottom, c.rect.bottom);
    EXPECT_EQ(TextOf(control), c.text);
    EXPECT_EQ(StyleOf(control), c.style) << std::hex << StyleOf(control);
    EXPECT_EQ(ExStyleOf(control), c.ex_style) << std::hex << ExStyleOf(control);
    EXPECT_TRUE(IsWindowEnabled(control));
  }
}

TEST_F(LayoutTest, ControlsAreStackedInTemplateOrder) {
  std::vector<int> ids;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  std::vector<int> expected;
  for (const ExpectedControl& c : kControls) expected.push_back(c.id);
  EXPECT_EQ(ids, expected);
}

TEST_F(LayoutTest, BoxesTakeAnyLengthAndStartWithTheCaretAtTheStart) {
  for (const int id : {ui::kIdOutputBox, ui::kIdStartBox, ui::kIdEndBox}) {
    SCOPED_TRACE(id);
    const HWND box = Control(id);
    // The default limit is 30,000 characters; 0 raises it to the largest.
    EXPECT_GE(static_cast<DWORD>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
    DWORD start = 1, end = 1;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
  }
}

TEST_F(LayoutTest, NoBoxStopsAtTheDefaultLimitOf30000Characters) {
  // EM_REPLACESEL, like typing, is cut at the box's limit.
  const std::wstring address(32000, L'A');
  std::wstring lines;
  while (lines.size() < 32000) lines += L"AA:BB:CC:DD:EE:FF\r\n";
  const struct {
    int id;
    const std::wstring& text;
  } cases[] = {{ui::kIdStartBox, address}, {ui::kIdEndBox, address}, {ui::kIdOutputBox, lines}};
  for (const auto& c : cases) {
    SendMessageW(Control(c.id), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(c.text.c_str()));
    EXPECT_EQ(GetWindowTextLengthW(Control(c.id)), static_cast<int>(c.text.size())) << c.id;
  }
}

// WM_CTLCOLOREDIT as an edit box sends it when it paints.
struct BoxColours {
  HBRUSH brush;
  COLORREF text;
  COLORREF background;
};

BoxColours AskColours(HWND window, HWND box) {
  const HDC dc = CreateCompatibleDC(nullptr);
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
  BoxColours colours{brush, GetTextColor(dc), GetBkColor(dc)};
  DeleteDC(dc);
  return colours;
}

TEST_F(LayoutTest, BoxesAreBlackOnWhiteEachWithItsOwnBrushFreedWithTheWindow) {
  std::vector<HBRUSH> brushes;
  for (const int id : {ui::kIdOutputBox, ui::kIdStartBox, ui::kIdEndBox}) {
    SCOPED_TRACE(id);
    const BoxColours colours = AskColours(window_, Control(id));
    EXPECT_EQ(colours.text, RGB(0, 0, 0));
    EXPECT_EQ(colours.background, RGB(255, 255, 255));
    ASSERT_NE(colours.brush, nullptr);
    LOGBRUSH logical{};
    ASSERT_EQ(GetObjectW(colours.brush, sizeof(logical), &logical), static_cast<int>(sizeof(logical)));
    EXPECT_EQ(logical.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(logical.lbColor, RGB(255, 255, 255));
    // The same brush every time: made once, with the box.
    EXPECT_EQ(AskColours(window_, Control(id)).brush, colours.brush);
    for (const HBRUSH other : brushes) EXPECT_NE(other, colours.brush);
    brushes.push_back(colours.brush);
  }
  DestroyWindow(window_);
  for (const HBRUSH brush : brushes) EXPECT_EQ(GetObjectType(brush), 0u);
}

// Renders through `paint` into a bitmap of `width` x `height` and returns its
// pixels as COLORREFs, top row first.
template <typename Paint>
std::vector<COLORREF> Render(int width, int height, Paint paint) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  auto* raw = static_cast<DWORD*>(bits);
  for (int i = 0; i < width * height; ++i) raw[i] = 0x00123456;
  paint(dc);
  GdiFlush();
  std::vector<COLORREF> pixels;
  for (int i = 0; i < width * height; ++i) {
    const DWORD p = raw[i];  // 0x00RRGGBB in a DIB
    pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

TEST_F(LayoutTest, WindowBackgroundIsTheButtonFaceColour) {
  const std::vector<COLORREF> pixels = Render(16, 16, [&](HDC dc) {
    SendMessageW(window_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  });
  for (const COLORREF p : pixels) ASSERT_EQ(p, GetSysColor(COLOR_BTNFACE));
}

TEST_F(LayoutTest, LabelPaintsItsCaptionLeftAlignedAndCentredVertically) {
  const HWND label = Control(ui::kIdStartLabel);
  const int width = 32, height = 24;
  const std::vector<COLORREF> pixels = Render(width, height, [&](HDC dc) {
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int top = height, bottom = -1, left = width, darkest = 255;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF p = pixels[static_cast<std::size_t>(y * width + x)];
      if (p == face) continue;
      // Anything else is ink: black text, or its smoothed edges.
      EXPECT_EQ(GetRValue(p), GetGValue(p)) << x << "," << y;
      EXPECT_EQ(GetGValue(p), GetBValue(p)) << x << "," << y;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      left = std::min(left, x);
      darkest = std::min(darkest, static_cast<int>(GetRValue(p)));
    }
  }
  ASSERT_GE(bottom, 0) << "no caption was drawn";
  EXPECT_LT(darkest, 96);
  EXPECT_LE(left, 2);
  EXPECT_LE(std::abs(top - (height - 1 - bottom)), 2) << "ink from row " << top << " to " << bottom;
}

TEST_F(LayoutTest, ClickingALabelLeavesTheFocusWhereItWas) {
  const HWND focus = GetFocus();
  for (const int id : {ui::kIdStartLabel, ui::kIdEndLabel}) {
    const HWND label = Control(id);
    PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    Pump();
    EXPECT_EQ(GetFocus(), focus) << id;
  }
}

}  // namespace
}  // namespace macrange::test
