// The address range generator: from a start and an end address in colon
// notation it writes address lines through a sink.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace macrange {

// Where the generator hands out its results. Both calls happen on the
// caller's thread, during GenerateAddressRange only.
class AddressLineSink {
 public:
  virtual ~AddressLineSink() = default;
  // One address line ending in "\r\n", in the order generated. The view is
  // valid only for the length of the call.
  virtual void AppendLine(std::string_view line) = 0;
  // The completion message, at most once per run and always as its last call.
  virtual void NotifyCompleted(std::string_view message) = 0;
};

// "生成完成" in code page 936.
inline constexpr std::string_view kCompletionMessage = "\xC9\xFA\xB3\xC9\xCD\xEA\xB3\xC9";

// How a run ended.
enum class RangeEnd {
  kCompleted,  // a line met the end address; NotifyCompleted was the last call
  kExhausted,  // five passes ran without meeting it; no notice
  kRefused,    // the input cannot be served; no line was emitted
};

// Why input was refused. Each is found before any line is emitted.
enum class Refusal {
  kNone,
  kStartTooFewGroups,     // the start has fewer than six groups
  kEndTooFewGroups,       // the end has fewer than six groups
  kStartGroup6Negative,   // start group 6 reads as a negative 64-bit value
  kStartGroup5TooLarge,   // start group 5 lies outside the range its steps are exact in
  kStartGroup5TooLong,    // start group 5 is longer than kLongestGroup5 bytes
};

struct RangeResult {
  RangeEnd end = RangeEnd::kRefused;
  Refusal refusal = Refusal::kNone;
  std::int32_t lines = 0;  // lines handed to AppendLine
};

// Limits of the input the generator serves.
inline constexpr int kGroupsNeeded = 6;
inline constexpr int kPasses = 5;
inline constexpr std::int64_t kLastGroup6Value = 255;
inline constexpr std::int32_t kPrefixLength = 12;
// Group 5 is stepped through a double four times; every step is exact as long
// as the last value reached is at most 2^53.
inline constexpr std::int64_t kLargestGroup5Value = (std::int64_t{1} << 53) - (kPasses - 1);
inline constexpr std::int32_t kMostLinesPerRun = kPasses * 256;
// The first pass repeats the start's group 5 as typed in each of its up to 256
// lines, and an edit box wraps long unbroken lines slowly: a careless paste of
// thousands of bytes there would freeze the window for minutes. No real
// address comes near this many bytes (a sixteen-digit zero-padded group 5 is
// served, with room to spare), and a first pass of lines this long still costs
// less than twice a normal press under Wine: at 64 bytes each such line wraps
// twice in the output box and the press costs more.
inline constexpr std::int32_t kLongestGroup5 = 32;

// Every line keeps the first 12 bytes of start as its prefix, then group 5,
// ":" and group 6. Group 6 counts up from the start's value to FF; then group 5
// steps by one and group 6 starts again from 00, for at most five values of
// group 5. After each line its groups 5 and 6 are compared, as texts, with the
// end's; when both match the sink is told "生成完成" and the run stops.
RangeResult GenerateAddressRange(std::string_view start, std::string_view end,
                                 AddressLineSink& sink);

}  // namespace macrange
