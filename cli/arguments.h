// The command line of macrange-cli: [--crlf] START END, --help, --version.
#pragma once

#include <string>
#include <string_view>

namespace macrange::cli {

enum class Action { kGenerate, kHelp, kVersion, kUsageError };

struct Arguments {
  Action action = Action::kUsageError;
  bool crlf = false;        // keep the generator's CR LF line ends
  std::string_view start;   // the argument's bytes, unchanged
  std::string_view end;
  std::string problem;      // what is wrong, for kUsageError
};

// Reads argv[1 ..]. An argument that begins with "-" (and is longer than "-")
// is an option until "--", after which every argument is an address, so that
// any bytes at all can be passed as START or END. --help wins over
// everything else, then --version.
Arguments ParseArguments(int argc, const char* const* argv);

}  // namespace macrange::cli
