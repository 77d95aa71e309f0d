#include "core/address_range.h"

#include "core/hex.h"

namespace macrange {

namespace {

constexpr std::string_view kSeparator = ":";
constexpr std::string_view kLineEnd = "\r\n";

// Upper-case hexadecimal with at least two digits.
Text TwoDigitHex(std::int64_t value) {
  Text t = Int64ToHexText(value);
  if (TextLength(t) == 1) return ConcatText("0", t);
  return t;
}

Refusal CheckInput(const TextArray& start, const TextArray& end) {
  if (start.size() < kGroupsNeeded) return Refusal::kStartTooFewGroups;
  if (end.size() < kGroupsNeeded) return Refusal::kEndTooFewGroups;
  if (HexTextToInt64(start[5]) < 0) return Refusal::kStartGroup6Negative;
  if (TextLength(start[4]) > kLongestGroup5) return Refusal::kStartGroup5TooLong;
  const std::int64_t group5 = HexTextToInt64(start[4]);
  if (group5 < 0 || group5 > kLargestGroup5Value) return Refusal::kStartGroup5TooLarge;
  return Refusal::kNone;
}

}  // namespace

RangeResult GenerateAddressRange(std::string_view start, std::string_view end,
                                 AddressLineSink& sink) {
  RangeResult result;
  const TextArray start_groups = SplitText(start, kSeparator);
  const TextArray end_groups = SplitText(end, kSeparator);
  result.refusal = CheckInput(start_groups, end_groups);
  if (result.refusal != Refusal::kNone) return result;

  const Text prefix = TextLeft(start, kPrefixLength);
  const std::string_view end_group5 = end_groups[4];
  const std::string_view end_group6 = end_groups[5];
  std::int64_t group6 = HexTextToInt64(start_groups[5]);
  Text group5_text = start_groups[4];
  Text line;  // reused so that a line costs no allocation once it has grown

  for (int pass = 1; pass <= kPasses; ++pass) {
    const Text head = ConcatText(prefix, group5_text, kSeparator);
    const bool group5_matches = CompareText(group5_text, end_group5) == 0;
    for (; group6 <= kLastGroup6Value; ++group6) {
      const Text group6_text = TwoDigitHex(group6);
      line.assign(head).append(group6_text).append(kLineEnd);
      sink.AppendLine(line);
      ++result.lines;
      if (group5_matches && CompareText(group6_text, end_group6) == 0) {
        sink.NotifyCompleted(kCompletionMessage);
        result.end = RangeEnd::kCompleted;
        return result;
      }
    }
    group6 = 0;
    if (pass < kPasses) {
      // The step goes through a double; the input check keeps it exact.
      const double next = static_cast<double>(HexTextToInt64(group5_text)) + 1.0;
      group5_text = TwoDigitHex(static_cast<std::int64_t>(next));
    }
  }
  result.end = RangeEnd::kExhausted;
  return result;
}

}  // namespace macrange
