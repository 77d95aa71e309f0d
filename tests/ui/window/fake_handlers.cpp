#include "fake_handlers.h"

#include <windows.h>

#include "ui/handlers.h"
#include "ui/main_window.h"

namespace macrange::test {

HandlerCalls& Calls() {
  static HandlerCalls calls;
  return calls;
}

}  // namespace macrange::test

namespace macrange::ui {

void OnMainWindowCreated() {
  test::HandlerCalls& calls = test::Calls();
  ++calls.created;
  calls.visible_controls_at_created = 0;
  for (int id = kIdOutputBox; id <= kIdEndLabel; id += 10) {
    const HWND control = MainWindowControl(id);
    if (control && (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE)) {
      ++calls.visible_controls_at_created;
    }
  }
  calls.window_visible_at_created = (GetWindowLongPtrW(MainWindowHandle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void OnGenerateClicked() { ++test::Calls().generate; }

void OnCopyClicked() { ++test::Calls().copy; }

}  // namespace macrange::ui
