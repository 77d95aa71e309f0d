// Feeds arbitrary start and end bytes to GenerateAddressRange and checks what
// the sink sees against the rules every run must keep, whatever the input.
//
// Input layout: the start text, a backslash and one more byte (other than a
// backslash), then the end text; "\\" inside the start stands for one
// backslash. Both texts may hold any bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/address_range.h"
#include "core/hex.h"
#include "core/text.h"

namespace macrange {
namespace {

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool IsUpperHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

class CheckingSink : public AddressLineSink {
 public:
  CheckingSink(std::string_view start, std::string_view end)
      : prefix_(start.substr(0, kPrefixLength)),
        start_groups_(SplitText(start, ":")),
        end_groups_(SplitText(end, ":")) {}

  void AppendLine(std::string_view line) override {
    Check(!completed_, "no call after the completion notice");
    Check(start_groups_.size() >= 6 && end_groups_.size() >= 6, "lines only for six groups");
    Check(!last_line_met_end_, "a line that meets the end is followed by the notice");
    Check(++lines_ <= kMostLinesPerRun, "at most 1,280 lines");
    Check(line.starts_with(prefix_), "every line begins with the prefix");
    Check(line.ends_with("\r\n"), "every line ends in CR LF");
    // prefix, group 5, ":", two digits of group 6, CR LF
    Check(line.size() >= prefix_.size() + 5, "room for ':', group 6 and CR LF");
    const std::string_view body = line.substr(prefix_.size(), line.size() - prefix_.size() - 2);
    const std::string_view group6 = body.substr(body.size() - 2);
    Check(IsUpperHexDigit(group6[0]) && IsUpperHexDigit(group6[1]), "group 6 is two digits");
    Check(body[body.size() - 3] == ':', "':' before group 6");
    const std::string_view group5 = body.substr(0, body.size() - 3);
    FollowPasses(group5, HexTextToInt64(group6));
    last_line_met_end_ = end_groups_.size() >= 6 && group5 == end_groups_[4] &&
                         group6 == end_groups_[5];
  }

  void NotifyCompleted(std::string_view message) override {
    Check(!completed_, "the notice comes at most once");
    Check(message == kCompletionMessage, "the notice carries the completion message");
    Check(last_line_met_end_, "the notice follows the line that met the end");
    completed_ = true;
  }

  void CheckResult(const RangeResult& result) const {
    Check(result.lines == lines_, "the result counts the lines handed out");
    Check(!last_line_met_end_ || completed_, "a line that meets the end completes the run");
    switch (result.end) {
      case RangeEnd::kRefused:
        Check(lines_ == 0 && !completed_, "refused input emits nothing");
        Check(result.refusal != Refusal::kNone, "a refusal says why");
        Check(!Servable(), "servable input is not refused");
        break;
      case RangeEnd::kCompleted:
        Check(completed_ && result.refusal == Refusal::kNone, "completed means notified");
        break;
      case RangeEnd::kExhausted:
        Check(!completed_ && result.refusal == Refusal::kNone, "exhausted means no notice");
        Check(passes_ == kPasses, "an exhausted run writes five passes");
        Check(group6_ == kLastGroup6Value, "an exhausted run ends each pass at FF");
        break;
    }
  }

 private:
  // Within a pass group 6 counts up by one; a new pass starts at 00 with the
  // next value of group 5, so no group-5 value repeats or wraps.
  void FollowPasses(std::string_view group5, std::int64_t group6) {
    const bool new_pass = passes_ == 0 || group5 != group5_;
    if (!new_pass) {
      Check(group6 == group6_ + 1, "group 6 counts up by one within a pass");
    } else if (passes_ == 0 && group5 == start_groups_[4]) {
      Check(group6 == HexTextToInt64(start_groups_[5]), "the first line has the start's group 6");
      group5_value_ = HexTextToInt64(group5);
      ++passes_;
    } else {
      Check(passes_ == 0 || group6_ == kLastGroup6Value, "a pass runs to FF");
      Check(group6 == 0, "passes after the first begin at 00");
      const std::int64_t previous =
          passes_ == 0 ? HexTextToInt64(start_groups_[4]) : group5_value_;
      group5_value_ = HexTextToInt64(group5);
      Check(group5_value_ == previous + 1, "group 5 steps by exactly one");
      const Text digits = Int64ToHexText(group5_value_);
      Check(group5 == (digits.size() == 1 ? "0" + digits : digits),
            "after the first pass group 5 is written in upper case, two digits at least");
      passes_ += passes_ == 0 ? 2 : 1;  // an empty first pass still counts
      Check(passes_ <= kPasses, "at most five passes");
    }
    group5_ = group5;
    group6_ = group6;
  }

  bool Servable() const {
    if (start_groups_.size() < 6 || end_groups_.size() < 6) return false;
    const std::int64_t group5 = HexTextToInt64(start_groups_[4]);
    return HexTextToInt64(start_groups_[5]) >= 0 && group5 >= 0 &&
           group5 <= kLargestGroup5Value && TextLength(start_groups_[4]) <= kLongestGroup5;
  }

  const std::string prefix_;
  const TextArray start_groups_;
  const TextArray end_groups_;
  std::int32_t lines_ = 0;
  int passes_ = 0;
  std::string group5_;
  std::int64_t group5_value_ = 0;
  std::int64_t group6_ = 0;
  bool last_line_met_end_ = false;
  bool completed_ = false;
};

}  // namespace
}  // namespace macrange

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string start = input.ConsumeRandomLengthString(size);
  const std::string end = input.ConsumeRemainingBytesAsString();
  macrange::CheckingSink sink(start, end);
  const macrange::RangeResult result = macrange::GenerateAddressRange(start, end, sink);
  sink.CheckResult(result);
  return 0;
}
