#include "cli/arguments.h"

#include <vector>

namespace macrange::cli {

Arguments ParseArguments(int argc, const char* const* argv) {
  Arguments args;
  bool help = false;
  bool version = false;
  bool options_done = false;
  std::vector<std::string_view> addresses;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (options_done || arg.size() < 2 || arg[0] != '-') {
      addresses.push_back(arg);
    } else if (arg == "--") {
      options_done = true;
    } else if (arg == "--crlf") {
      args.crlf = true;
    } else if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (args.problem.empty()) {
      args.problem = "unknown option '" + std::string(arg) + "'";
    }
  }
  if (help) {
    args.action = Action::kHelp;
  } else if (version) {
    args.action = Action::kVersion;
  } else if (!args.problem.empty()) {
    args.action = Action::kUsageError;
  } else if (addresses.size() != 2) {
    args.action = Action::kUsageError;
    args.problem = addresses.size() < 2 ? "START and END are both needed"
                                        : "too many arguments: only START and END are taken";
  } else {
    args.action = Action::kGenerate;
    args.start = addresses[0];
    args.end = addresses[1];
  }
  return args;
}

}  // namespace macrange::cli
