// The screen's dots per inch, and the window's measures at a DPI. The window
// is laid out at 96 DPI; at any other DPI each measure is scaled linearly.
// The functions that tell a window's or a monitor's own DPI came with
// Windows 10 and are looked up at run time: without them every window has
// the DPI of the screen's device context.
#pragma once

#include <windows.h>

namespace macrange::ui {

// The DPI the window's measures are written for.
inline constexpr UINT kLayoutDpi = 96;

// A measure of the 96-DPI layout at dpi: MulDiv(value, dpi, 96), rounded to
// the nearest pixel.
int ScaleToDpi(int value, UINT dpi);

// The DPI the system's stock objects are made for (DEFAULT_GUI_FONT's height
// is in its pixels): GetDpiForSystem, else the screen device context's.
UINT SystemDpi();

// The DPI window is shown at: GetDpiForWindow, else the system DPI.
UINT DpiOfWindow(HWND window);

// GetSystemMetricsForDpi(index, dpi); without it, GetSystemMetrics scaled
// from the system DPI to dpi.
int SystemMetricForDpi(int index, UINT dpi);

// Where the system knows per-monitor awareness of the first version only,
// asks it to scale the window's frame and title bar with the DPI as version 2
// does by itself. Called while the window handles WM_NCCREATE.
void ScaleNonClientArea(HWND window);

// DEFAULT_GUI_FONT's face at dpi: the stock font itself at the system DPI,
// else a new font whose height is the stock one's scaled from the system DPI
// (the stock font again if that cannot be made).
HFONT CreateGuiFontForDpi(UINT dpi);

// Frees a font from CreateGuiFontForDpi (the stock font is left alone).
void ReleaseGuiFont(HFONT font);

// For the tests: while hidden is true, behave as on a Windows without the
// functions looked up at run time.
void HideDpiFunctionsForTesting(bool hidden);

}  // namespace macrange::ui
