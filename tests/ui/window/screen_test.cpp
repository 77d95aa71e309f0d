// Where the window opens on screens of known sizes. The test command runs
// this program on Wine virtual desktops of each size (on-desktop); the size it
// was started for is passed in MACRANGE_SCREEN, as "800x600".
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "ui/main_window.h"

namespace {

struct Placement {
  const char* screen;
  int width, height;
  int left, top;
};

const Placement kPlacements[] = {
    {"1024x768", 1024, 768, 394, 152},
    {"800x600", 800, 600, 282, 68},
};

TEST(Screen, WindowOpensCentredWithItsOuterSize) {
  const char* screen = std::getenv("MACRANGE_SCREEN");
  ASSERT_NE(screen, nullptr) << "MACRANGE_SCREEN names the screen this run is for";
  const Placement* placement = nullptr;
  for (const Placement& p : kPlacements) {
    if (std::string(screen) == p.screen) placement = &p;
  }
  ASSERT_NE(placement, nullptr) << screen;
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), placement->width);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), placement->height);

  const HWND window = macrange::ui::CreateMainWindow(GetModuleHandleW(nullptr));
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOW);
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, placement->left);
  EXPECT_EQ(rect.top, placement->top);
  EXPECT_EQ(rect.right - rect.left, 235);
  EXPECT_EQ(rect.bottom - rect.top, 464);
  DestroyWindow(window);
}

}  // namespace
