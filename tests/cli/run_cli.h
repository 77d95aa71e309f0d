// Runs macrange-cli as a process and collects what it wrote and its exit
// status. One implementation for the Linux program (run_cli_posix.cpp) and one
// for the Windows console program under Wine (run_cli_windows.cpp), so that
// the one table of cases in cli_test.cpp runs against both.
#pragma once

#include <string>
#include <vector>

namespace macrange::test {

struct Outcome {
  int status = -1;  // exit status, or -1 when the process did not exit normally
  std::string out;
  std::string err;
};

enum class Stdout {
  kPipe,
  // every write fails: /dev/full on Linux (a full disk), a file opened for
  // reading only on Windows
  kDevFull,
  kPipeWithoutReader,  // nobody reads: the first write meets a closed pipe
};

// Runs the program with args, the bytes the program is to see as its
// arguments, and collects what it writes to stdout (unless that goes
// elsewhere) and stderr. On Linux they are passed byte for byte (no shell);
// on Windows they are code page 936 texts, put on the UTF-16 command line
// (an argument that is no valid code page 936 text fails the test).
Outcome RunCli(const std::vector<std::string>& args, Stdout stdout_to = Stdout::kPipe);

#ifdef _WIN32
// The Windows program with args as they stand on its UTF-16 command line.
Outcome RunCliWide(const std::vector<std::wstring>& args, Stdout stdout_to = Stdout::kPipe);
#endif

}  // namespace macrange::test
