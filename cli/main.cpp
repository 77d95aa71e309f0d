// macrange-cli: the address range generator on the command line (Linux). The
// argument bytes are used as they are.
#include <csignal>

#include "cli/run.h"

int main(int argc, char** argv) {
  // A reader that went away is a failed write, reported with status 74 like
  // any other, rather than a silent death by signal.
  std::signal(SIGPIPE, SIG_IGN);
  return macrange::cli::RunCommandLine(argc, argv);
}
