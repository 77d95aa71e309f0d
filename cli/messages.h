// What macrange-cli says on standard error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/address_range.h"

namespace macrange::cli {

inline constexpr std::string_view kUsageLine = "usage: macrange-cli [--crlf] START END\n";

// The full --help text.
std::string HelpText();

// One line: which address was refused, why, and an example of a good one.
std::string RefusalMessage(Refusal refusal, std::string_view start, std::string_view end);

// One line: five passes ran and no line met the end address.
std::string ExhaustedMessage(std::int32_t lines);

}  // namespace macrange::cli
