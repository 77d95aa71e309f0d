#include "ui/dpi.h"

#include "win/system_function.h"

namespace macrange::ui {

namespace {

// The functions of USER32 that a Windows before 10 lacks, with WINAPI in each
// type (__stdcall on x86).
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using EnableNonClientDpiScalingFn = BOOL(WINAPI*)(HWND);

template <typename Fn>
Fn User32Function(const char* name) {
  return win::SystemFunction<Fn>(L"user32.dll", name);
}

struct DpiFunctions {
  GetDpiForSystemFn get_dpi_for_system = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  GetDpiForWindowFn get_dpi_for_window = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  GetSystemMetricsForDpiFn get_system_metrics_for_dpi =
      User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  EnableNonClientDpiScalingFn enable_non_client_dpi_scaling =
      User32Function<EnableNonClientDpiScalingFn>("EnableNonClientDpiScaling");
};

bool g_functions_hidden = false;

const DpiFunctions& Functions() {
  static const DpiFunctions found;
  static const DpiFunctions none{nullptr, nullptr, nullptr, nullptr};
  return g_functions_hidden ? none : found;
}

UINT ScreenDeviceContextDpi() {
  const HDC screen = GetDC(nullptr);
  if (!screen) return kLayoutDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kLayoutDpi;
}

HFONT StockGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

int ScaleToDpi(int value, UINT dpi) {
  return MulDiv(value, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}

UINT SystemDpi() {
  if (const auto get = Functions().get_dpi_for_system) {
    if (const UINT dpi = get()) return dpi;
  }
  return ScreenDeviceContextDpi();
}

UINT DpiOfWindow(HWND window) {
  if (const auto get = Functions().get_dpi_for_window) {
    if (const UINT dpi = get(window)) return dpi;
  }
  return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
  if (const auto get = Functions().get_system_metrics_for_dpi) return get(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

void HideDpiFunctionsForTesting(bool hidden) { g_functions_hidden = hidden; }

void ScaleNonClientArea(HWND window) {
  if (const auto enable = Functions().enable_non_client_dpi_scaling) enable(window);
}

HFONT CreateGuiFontForDpi(UINT dpi) {
  const UINT system_dpi = SystemDpi();
  if (dpi == system_dpi) return StockGuiFont();
  LOGFONTW font{};
  if (GetObjectW(StockGuiFont(), sizeof(font), &font) != sizeof(font)) return StockGuiFont();
  font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(system_dpi));
  font.lfWidth = MulDiv(font.lfWidth, static_cast<int>(dpi), static_cast<int>(system_dpi));
  const HFONT scaled = CreateFontIndirectW(&font);
  return scaled ? scaled : StockGuiFont();
}

void ReleaseGuiFont(HFONT font) {
  if (font && font != StockGuiFont()) DeleteObject(font);
}

}  // namespace macrange::ui
