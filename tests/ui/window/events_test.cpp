// The window's bound events: creation complete and the two buttons' clicks.
#include <gtest/gtest.h>
#include <windows.h>

#include "window_fixture.h"

namespace macrange::test {
namespace {

using EventsTest = MainWindowTest;

TEST_F(EventsTest, CreatedEventRunsOnceWhenEveryControlIsShownAndTheWindowIsNot) {
  EXPECT_EQ(Calls().created, 1);
  EXPECT_EQ(Calls().visible_controls_at_created, 7);
  EXPECT_FALSE(Calls().window_visible_at_created);
}

TEST_F(EventsTest, EachButtonClickRunsItsOwnHandler) {
  SendMessageW(Control(ui::kIdGenerateButton), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(Calls().generate, 1);
  EXPECT_EQ(Calls().copy, 0);
  SendMessageW(Control(ui::kIdCopyButton), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(Calls().generate, 1);
  EXPECT_EQ(Calls().copy, 1);
}

TEST_F(EventsTest, OtherNotificationsRunNoHandler) {
  // A box changing and a button losing the focus report to the window too.
  SetWindowTextW(Control(ui::kIdStartBox), L"AA:BB:CC:DD:EE:FE");
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ui::kIdGenerateButton, BN_KILLFOCUS),
               reinterpret_cast<LPARAM>(Control(ui::kIdGenerateButton)));
  Pump();
  EXPECT_EQ(Calls().generate, 0);
  EXPECT_EQ(Calls().copy, 0);
}

}  // namespace
}  // namespace macrange::test
