#include "cli/output_sink.h"

namespace macrange::cli {

namespace {
constexpr std::string_view kCrLf = "\r\n";
}  // namespace

OutputSink::OutputSink(bool crlf) : crlf_(crlf) {
  buffer_.reserve(static_cast<std::size_t>(kMostLinesPerRun) * 32);
}

void OutputSink::AppendLine(std::string_view line) {
  if (!crlf_ && line.ends_with(kCrLf)) {
    buffer_.append(line.substr(0, line.size() - kCrLf.size())).push_back('\n');
  } else {
    buffer_.append(line);
  }
}

void OutputSink::NotifyCompleted(std::string_view) {}

bool OutputSink::WriteTo(std::FILE* out) const {
  const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), out) == buffer_.size();
  return std::fflush(out) == 0 && written;
}

}  // namespace macrange::cli
