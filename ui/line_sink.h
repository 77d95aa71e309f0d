// WindowLineSink: the window's AddressLineSink.
#pragma once

#include <windows.h>

#include <string_view>

#include "core/address_range.h"
#include "core/text.h"

namespace macrange::ui {

// Appends the generator's lines to an edit box and shows its completion
// message. The lines of one press are gathered and go into the box as one
// insertion, which costs what it adds whatever the box holds; the box ends with
// the same text, caret and scroll position as appending line by line gives.
// Gathered lines reach the box before the completion message is shown, and
// when the caller calls Flush at the end of the run.
class WindowLineSink final : public AddressLineSink {
 public:
  explicit WindowLineSink(HWND edit) : edit_(edit) {}

  void AppendLine(std::string_view line) override;
  void NotifyCompleted(std::string_view message) override;

  // Puts the gathered lines after everything the box holds.
  void Flush();

 private:
  HWND edit_;
  Text pending_;
};

}  // namespace macrange::ui
