#include "cli/run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/arguments.h"
#include "cli/messages.h"
#include "cli/output_sink.h"
#include "core/address_range.h"

namespace {

// Exit statuses (64 and 74 are the usual EX_USAGE and EX_IOERR).
constexpr int kExitCompleted = 0;
constexpr int kExitExhausted = 1;
constexpr int kExitRefused = 2;
constexpr int kExitUsage = 64;
constexpr int kExitWriteFailed = 74;

void Complain(const std::string& message) {
  std::fprintf(stderr, "macrange-cli: %s\n", message.c_str());
}

int Generate(const macrange::cli::Arguments& args) {
  using macrange::RangeEnd;
  macrange::cli::OutputSink sink(args.crlf);
  const macrange::RangeResult result = macrange::GenerateAddressRange(args.start, args.end, sink);
  if (result.end == RangeEnd::kRefused) {
    Complain(macrange::cli::RefusalMessage(result.refusal, args.start, args.end));
    return kExitRefused;
  }
  errno = 0;
  if (!sink.WriteTo(stdout)) {
    Complain(std::string("cannot write to standard output: ") +
             (errno != 0 ? std::strerror(errno) : "write failed"));
    return kExitWriteFailed;
  }
  if (result.end == RangeEnd::kExhausted) {
    Complain(macrange::cli::ExhaustedMessage(result.lines));
    return kExitExhausted;
  }
  return kExitCompleted;
}

}  // namespace

int macrange::cli::RunCommandLine(int argc, const char* const* argv) {
  using macrange::cli::Action;
  const macrange::cli::Arguments args = macrange::cli::ParseArguments(argc, argv);
  switch (args.action) {
    case Action::kHelp:
      std::fputs(macrange::cli::HelpText().c_str(), stdout);
      return kExitCompleted;
    case Action::kVersion:
      std::printf("macrange-cli %s\n", MACRANGE_VERSION);
      return kExitCompleted;
    case Action::kUsageError:
      Complain(args.problem);
      std::fputs(std::string(macrange::cli::kUsageLine).c_str(), stderr);
      return kExitUsage;
    case Action::kGenerate:
      break;
  }
  return Generate(args);
}
