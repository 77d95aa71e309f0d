// The window tests bind the window's events to these recording handlers in
// place of the program's, so that they see exactly which handler ran.
#pragma once

namespace macrange::test {

struct HandlerCalls {
  int created = 0;
  int generate = 0;
  int copy = 0;
  // What the window looked like when OnMainWindowCreated ran.
  int visible_controls_at_created = -1;
  bool window_visible_at_created = true;
};

HandlerCalls& Calls();

}  // namespace macrange::test
