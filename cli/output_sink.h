// The line sink of macrange-cli: collects the lines of one run and writes
// them to a stream in one go.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "core/address_range.h"

namespace macrange::cli {

class OutputSink : public AddressLineSink {
 public:
  // crlf keeps the generator's "\r\n"; otherwise each line ends in "\n".
  explicit OutputSink(bool crlf);

  void AppendLine(std::string_view line) override;
  // The exit status tells the caller; nothing is written for the notice.
  void NotifyCompleted(std::string_view message) override;

  // Writes what was collected to out and flushes it; false when that failed.
  bool WriteTo(std::FILE* out) const;

 private:
  bool crlf_;
  std::string buffer_;
};

}  // namespace macrange::cli
