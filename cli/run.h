// macrange-cli's work once its arguments are code page 936 bytes, shared by
// the Linux and the Windows entry points.
#pragma once

namespace macrange::cli {

// Runs the command line argv[1 ..] (argv[0] is the program), writing to stdout
// and stderr, and returns the exit status.
int RunCommandLine(int argc, const char* const* argv);

}  // namespace macrange::cli
