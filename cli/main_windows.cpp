// macrange-cli as a Windows console program. The arguments come from the
// UTF-16 command line and are converted to code page 936 whatever the
// system's code page, so an address holding Chinese characters reaches the
// generator as the same bytes as when it is typed into the window. The
// output is written as bytes, exactly as on Linux.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/run.h"
#include "win/codepage.h"
#include "win/dll_search.h"

namespace {

// In the C runtime's default text mode every "\n" written would become
// "\r\n": the lines would differ from the Linux program's, and --crlf would
// give "\r\r\n".
void WriteBytesAsTheyAre() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace

// wmain (the program links with -municode): the C runtime splits the UTF-16
// command line by the usual Windows rules. main's char arguments would have
// passed through the system's code page, turning every character it lacks
// into "?" (all Chinese ones on a Western Windows).
int wmain(int argc, wchar_t** argv) {
  // A DLL planted beside the downloaded program is never loaded. Without the
  // function (an old Windows 7) the system's usual search stays.
  macrange::win::LimitDllSearchToSystemFolder();
  WriteBytesAsTheyAre();
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; ++i) texts.push_back(macrange::win::TextFromWide(argv[i]));
  std::vector<const char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (const std::string& text : texts) pointers.push_back(text.c_str());
  pointers.push_back(nullptr);
  return macrange::cli::RunCommandLine(argc, pointers.data());
}
