// The window at the screen's DPI: its outer size, place and every control's
// rectangle scaled from the 96-DPI layout, every control inside the client
// area, every caption fitting its control, the font and icons for the DPI;
// and a change of DPI while the window is open (WM_DPICHANGED) that lays it
// out again and keeps what the user typed, selected and scrolled to.
//
// The test command runs this program in a Wine prefix per DPI; the DPI the
// run is for is in MACRANGE_WINE_DPI (unset: 96).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/dpi.h"
#include "window_fixture.h"

namespace macrange::test {
namespace {

enum class Kind { kLabel, kBox, kButton };

// The layout at 96 DPI: left, top, width, height in the client area.
struct Measures96 {
  const char* name;
  int id;
  int left, top, width, height;
  Kind kind;
};

const Measures96 kControls96[] = {
    {"label 2", ui::kIdEndLabel, 8, 48, 32, 24, Kind::kLabel},
    {"label 1", ui::kIdStartLabel, 8, 16, 32, 24, Kind::kLabel},
    {"edit box 3", ui::kIdEndBox, 48, 48, 168, 24, Kind::kBox},
    {"edit box 2", ui::kIdStartBox, 48, 16, 168, 24, Kind::kBox},
    {"button 2", ui::kIdCopyButton, 128, 400, 88, 32, Kind::kButton},
    {"button 1", ui::kIdGenerateButton, 8, 400, 88, 32, Kind::kButton},
    {"edit box 1", ui::kIdOutputBox, 8, 80, 208, 312, Kind::kBox},
};
constexpr int kWindowWidth96 = 235;
constexpr int kWindowHeight96 = 464;

int At(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), 96); }

UINT RunDpi() {
  const char* dpi = std::getenv("MACRANGE_WINE_DPI");
  return dpi && *dpi ? static_cast<UINT>(std::atoi(dpi)) : 96;
}

template <typename Fn>
Fn User32Function(const char* name) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

RECT RectInClient(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string Show(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof(text), "(%ld,%ld)-(%ld,%ld)", static_cast<long>(r.left),
                static_cast<long>(r.top), static_cast<long>(r.right), static_cast<long>(r.bottom));
  return text;
}

HFONT StockGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

LOGFONTW LogicalFont(HFONT font) {
  LOGFONTW logical{};
  GetObjectW(font, sizeof(logical), &logical);
  return logical;
}

HFONT FontOf(HWND hwnd) { return reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)); }

// The extent DrawText gives the caption of control in its own font.
SIZE CaptionExtent(HWND control) {
  const std::wstring caption = TextOf(control);
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, FontOf(control));
  RECT extent{0, 0, 0, 0};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &extent,
            DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {extent.right - extent.left, extent.bottom - extent.top};
}

SIZE IconSize(HWND window, WPARAM which) {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof(colour), &colour);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {colour.bmWidth, colour.bmHeight};
}

// What the user has in a box: its text, selection and scroll position.
struct BoxState {
  std::wstring text;
  DWORD selection_start = 0, selection_end = 0;
  LRESULT first_visible_line = 0;
};

BoxState StateOf(HWND box) {
  BoxState state{TextOf(box)};
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&state.selection_start),
               reinterpret_cast<LPARAM>(&state.selection_end));
  state.first_visible_line = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  return state;
}

class DpiTest : public MainWindowTest {
 protected:
  // The window as laid out for dpi: its controls' rectangles, all inside the
  // client area; each caption fitting its control; the font, DEFAULT_GUI_FONT's
  // face scaled from the system DPI (the stock font itself at that DPI); the
  // icons at the DPI's sizes.
  //
  // Wine draws the frame and title bar at the system DPI whatever DPI the
  // window was told of, so after a change to a lower DPI the frame is too big
  // for the window's new outer size: the client area is not checked then.
  void ExpectLaidOutFor(UINT dpi) {
    const bool frame_fits_dpi = dpi >= system_dpi_;
    SCOPED_TRACE(::testing::Message() << "laid out for " << dpi << " DPI");
    RECT client;
    ASSERT_TRUE(GetClientRect(window_, &client));
    const LOGFONTW stock = LogicalFont(StockGuiFont());
    for (const Measures96& c : kControls96) {
      SCOPED_TRACE(c.name);
      const HWND control = Control(c.id);
      ASSERT_NE(control, nullptr);
      const RECT rect = RectInClient(window_, control);
      const RECT wanted{At(c.left, dpi), At(c.top, dpi), At(c.left, dpi) + At(c.width, dpi),
                        At(c.top, dpi) + At(c.height, dpi)};
      EXPECT_TRUE(EqualRect(&rect, &wanted)) << Show(rect) << " instead of " << Show(wanted);
      if (frame_fits_dpi) {
        EXPECT_TRUE(rect.left >= client.left && rect.top >= client.top &&
                    rect.right <= client.right && rect.bottom <= client.bottom)
            << Show(rect) << " is not inside the client area " << Show(client);
      }
      if (c.kind != Kind::kBox) {
        // A push button draws its caption inside its 2-pixel edge and the
        // focus rectangle within it.
        const int margin = c.kind == Kind::kButton ? At(3, dpi) : 0;
        RECT inside;
        GetClientRect(control, &inside);
        const SIZE extent = CaptionExtent(control);
        EXPECT_LE(extent.cx, inside.right - 2 * margin) << "the caption is cut at the sides";
        EXPECT_LE(extent.cy, inside.bottom - 2 * margin) << "the caption is cut at the top or bottom";
      }

      const HFONT font = FontOf(control);
      ASSERT_NE(font, nullptr);
      EXPECT_EQ(font, FontOf(window_)) << "one font for the window and its controls";
      if (dpi == system_dpi_) {
        EXPECT_EQ(font, StockGuiFont());
      } else {
        const LOGFONTW logical = LogicalFont(font);
        EXPECT_EQ(std::wstring(logical.lfFaceName), std::wstring(stock.lfFaceName));
        EXPECT_EQ(logical.lfHeight, MulDiv(stock.lfHeight, static_cast<int>(dpi),
                                           static_cast<int>(system_dpi_)));
        EXPECT_EQ(logical.lfWeight, stock.lfWeight);
        EXPECT_EQ(logical.lfCharSet, stock.lfCharSet);
      }
    }
    const SIZE big = IconSize(window_, ICON_BIG);
    const SIZE small_icon = IconSize(window_, ICON_SMALL);
    EXPECT_EQ(big.cx, At(32, dpi));
    EXPECT_EQ(big.cy, At(32, dpi));
    EXPECT_EQ(small_icon.cx, At(16, dpi));
    EXPECT_EQ(small_icon.cy, At(16, dpi));
  }

  // Sends what the system sends when the window reaches a screen of dpi,
  // with the rectangle it suggests: the same top-left corner, the outer size
  // for dpi.
  RECT ChangeDpi(UINT dpi) {
    RECT rect;
    GetWindowRect(window_, &rect);
    rect.right = rect.left + At(kWindowWidth96, dpi);
    rect.bottom = rect.top + At(kWindowHeight96, dpi);
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rect));
    Pump();
    return rect;
  }

  const UINT system_dpi_ = RunDpi();
  // The DPI of the screen the window is taken to and back from.
  const UINT other_dpi_ = system_dpi_ == 144 ? 96 : 144;
};

// Under Wine every program is per-monitor aware, manifest or not; on Windows
// the awareness comes from the manifest (check_manifest_dpi.py reads it).
TEST_F(DpiTest, ProgramIsPerMonitorAwareAndTheScreenIsAtThisRunsDpi) {
  const HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), static_cast<int>(system_dpi_));
  ReleaseDC(nullptr, screen);

  using GetThreadContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)();
  using AwarenessFn = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);
  using DpiForWindowFn = UINT(WINAPI*)(HWND);
  const auto thread_context = User32Function<GetThreadContextFn>("GetThreadDpiAwarenessContext");
  const auto awareness = User32Function<AwarenessFn>("GetAwarenessFromDpiAwarenessContext");
  const auto dpi_for_window = User32Function<DpiForWindowFn>("GetDpiForWindow");
  ASSERT_TRUE(thread_context && awareness && dpi_for_window) << "Wine has these functions";
  EXPECT_EQ(awareness(thread_context()), DPI_AWARENESS_PER_MONITOR_AWARE);
  EXPECT_EQ(dpi_for_window(window_), system_dpi_);
}

TEST_F(DpiTest, WindowHasItsScaledOuterSizeCentredForThatSize) {
  RECT rect;
  ASSERT_TRUE(GetWindowRect(window_, &rect));
  const int width = At(kWindowWidth96, system_dpi_);
  const int height = At(kWindowHeight96, system_dpi_);
  // One pixel either way for the frame the system draws.
  EXPECT_NEAR(rect.right - rect.left, width, 1);
  EXPECT_NEAR(rect.bottom - rect.top, height, 1);
  EXPECT_NEAR(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 1);
  EXPECT_NEAR(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 1);
}

TEST_F(DpiTest, ControlsFontAndIconsAreForTheScreensDpi) { ExpectLaidOutFor(system_dpi_); }

TEST_F(DpiTest, DpiChangeLaysTheWindowOutAgainAndKeepsTextSelectionScrollAndFocus) {
  std::wstring lines;
  for (int i = 0; i < 200; ++i) lines += L"AA:BB:CC:DD:EE:" + std::to_wstring(10 + i) + L"\r\n";
  SetWindowTextW(Control(ui::kIdOutputBox), lines.c_str());
  SetWindowTextW(Control(ui::kIdStartBox), L"AA:BB:CC:DD:EE:FE");
  SetWindowTextW(Control(ui::kIdEndBox), L"AA:BB:CC:DD:EF:01");
  const auto line_start = static_cast<WPARAM>(
      SendMessageW(Control(ui::kIdOutputBox), EM_LINEINDEX, 120, 0));
  SendMessageW(Control(ui::kIdOutputBox), EM_SETSEL, line_start, line_start + 5);
  SendMessageW(Control(ui::kIdOutputBox), EM_SCROLLCARET, 0, 0);
  SendMessageW(Control(ui::kIdStartBox), EM_SETSEL, 3, 8);
  SendMessageW(Control(ui::kIdEndBox), EM_SETSEL, 12, 17);
  SetFocus(Control(ui::kIdEndBox));
  Pump();

  const int boxes[] = {ui::kIdOutputBox, ui::kIdStartBox, ui::kIdEndBox};
  BoxState before[3];
  for (int i = 0; i < 3; ++i) before[i] = StateOf(Control(boxes[i]));
  ASSERT_GT(before[0].first_visible_line, 90) << "the output box is scrolled down";
  const HWND focus = GetFocus();
  ASSERT_EQ(focus, Control(ui::kIdEndBox));
  const HFONT system_font = FontOf(window_);

  HFONT other_font = nullptr;
  for (const UINT dpi : {other_dpi_, system_dpi_}) {
    SCOPED_TRACE(::testing::Message() << "changed to " << dpi << " DPI");
    const RECT suggested = ChangeDpi(dpi);
    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_TRUE(EqualRect(&rect, &suggested)) << Show(rect) << " instead of " << Show(suggested);
    ExpectLaidOutFor(dpi);
    for (int i = 0; i < 3; ++i) {
      const BoxState after = StateOf(Control(boxes[i]));
      EXPECT_EQ(after.text, before[i].text) << boxes[i];
      EXPECT_EQ(after.selection_start, before[i].selection_start) << boxes[i];
      EXPECT_EQ(after.selection_end, before[i].selection_end) << boxes[i];
      EXPECT_EQ(after.first_visible_line, before[i].first_visible_line) << boxes[i];
    }
    EXPECT_EQ(GetFocus(), focus);
    EXPECT_EQ(GetActiveWindow(), window_);
    if (dpi == other_dpi_) other_font = FontOf(window_);
  }
  EXPECT_EQ(FontOf(window_), system_font);
  ASSERT_NE(other_font, system_font);
  EXPECT_EQ(GetObjectType(other_font), 0u) << "the font of the other DPI is freed";
}

// A Windows before 10 has none of GetDpiForWindow, GetDpiForSystem and
// GetSystemMetricsForDpi: the program takes the screen device context's DPI.
class DpiWithoutWindows10FunctionsTest : public DpiTest {
 protected:
  void SetUp() override {
    ui::HideDpiFunctionsForTesting(true);
    DpiTest::SetUp();
  }
  void TearDown() override {
    DpiTest::TearDown();
    ui::HideDpiFunctionsForTesting(false);
  }
};

TEST_F(DpiWithoutWindows10FunctionsTest, WindowIsLaidOutForTheScreensDpiAndFollowsADpiChange) {
  RECT rect;
  ASSERT_TRUE(GetWindowRect(window_, &rect));
  EXPECT_NEAR(rect.right - rect.left, At(kWindowWidth96, system_dpi_), 1);
  EXPECT_NEAR(rect.bottom - rect.top, At(kWindowHeight96, system_dpi_), 1);
  ExpectLaidOutFor(system_dpi_);
  for (const UINT dpi : {other_dpi_, system_dpi_}) {
    ChangeDpi(dpi);
    ExpectLaidOutFor(dpi);
  }
}

}  // namespace
}  // namespace macrange::test
