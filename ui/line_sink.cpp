#include "ui/line_sink.h"

#include "ui/services.h"

namespace macrange::ui {

void WindowLineSink::AppendLine(std::string_view line) { pending_.append(line); }

void WindowLineSink::NotifyCompleted(std::string_view message) {
  // The user sees every line of the run behind the box.
  Flush();
  ShowMessage(message);
}

void WindowLineSink::Flush() {
  if (pending_.empty()) return;
  AppendEditText(edit_, pending_);
  pending_.clear();
}

}  // namespace macrange::ui
