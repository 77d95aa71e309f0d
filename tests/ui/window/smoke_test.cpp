#include <gtest/gtest.h>

#include "ui/main_window.h"

TEST(Smoke, WindowIsMade) {
  HWND w = macrange::ui::CreateMainWindow(GetModuleHandleW(nullptr));
  ASSERT_NE(w, nullptr);
  DestroyWindow(w);
}
