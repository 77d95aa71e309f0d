#include "cli/messages.h"

#include <cstdio>

#include "core/hex.h"
#include "core/text.h"

namespace macrange::cli {

namespace {

constexpr std::string_view kGoodStart = "AA:BB:CC:DD:EE:00";
constexpr std::string_view kGoodEnd = "AA:BB:CC:DD:EF:10";
constexpr std::size_t kMostQuotedBytes = 64;

// The address between double quotes, safe for a terminal: control bytes are
// written as \xNN and a very long text is cut short.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size() && i < kMostQuotedBytes; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x20 || b == 0x7F || b == '"' || b == '\\') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
      out += escaped;
    } else {
      out += static_cast<char>(b);
    }
  }
  if (text.size() > kMostQuotedBytes) out += "...";
  return out + "\"";
}

std::string TooFewGroups(std::string_view which, std::string_view address,
                         std::string_view example) {
  const std::size_t groups = SplitText(address, ":").size();
  return std::string(which) + " address " + Quoted(address) + " has " + std::to_string(groups) +
         (groups == 1 ? " group" : " groups") +
         "; six groups separated by ':' are needed, for example " + std::string(example);
}

}  // namespace

std::string HelpText() {
  return std::string(kUsageLine) +
         "\n"
         "Writes MAC address lines from START towards END on standard output.\n"
         "Every line keeps the first 12 bytes of START; group 6 counts up to FF,\n"
         "then group 5 steps by one and group 6 starts again from 00, for at most\n"
         "five values of group 5 (1280 lines). The run stops after the line whose\n"
         "groups 5 and 6 equal END's, compared as texts.\n"
         "\n"
         "options:\n"
         "  --crlf     end each line in CR LF instead of LF\n"
         "  --help     show this help and exit\n"
         "  --version  show the version and exit\n"
         "  --         take every argument after it as an address\n"
         "\n"
         "exit status:\n"
         "  0   a line met END\n"
         "  1   five values of group 5 ran without meeting END\n"
         "  2   START or END was refused; nothing was written\n"
         "  64  wrong usage\n"
         "  74  standard output could not be written\n"
         "\n"
         "example: macrange-cli AA:BB:CC:DD:EE:FE AA:BB:CC:DD:EF:01\n";
}

std::string RefusalMessage(Refusal refusal, std::string_view start, std::string_view end) {
  switch (refusal) {
    case Refusal::kStartTooFewGroups:
      return TooFewGroups("start", start, kGoodStart);
    case Refusal::kEndTooFewGroups:
      return TooFewGroups("end", end, kGoodEnd);
    case Refusal::kStartGroup6Negative:
      return "start address " + Quoted(start) + ": group 6 " + Quoted(SplitText(start, ":")[5]) +
             " reads as a negative number (sixteen digits beginning with 8 to F) and would "
             "never count up to FF; give group 6 as 00 to FF, for example " +
             std::string(kGoodStart);
    case Refusal::kStartGroup5TooLarge:
      return "start address " + Quoted(start) + ": group 5 " + Quoted(SplitText(start, ":")[4]) +
             " is above " + Int64ToHexText(kLargestGroup5Value) +
             ", the largest value it can be stepped from exactly; for example " +
             std::string(kGoodStart);
    case Refusal::kStartGroup5TooLong:
      return "start address " + Quoted(start) + ": group 5 is " +
             std::to_string(SplitText(start, ":")[4].size()) + " bytes long; at most " +
             std::to_string(kLongestGroup5) +
             " are served (it is normally two digits), for example " + std::string(kGoodStart);
    case Refusal::kNone:
      break;
  }
  return "the addresses were refused";
}

std::string ExhaustedMessage(std::int32_t lines) {
  return "no line met the end address within five values of group 5 (" +
         std::to_string(lines) + " lines written)";
}

}  // namespace macrange::cli
