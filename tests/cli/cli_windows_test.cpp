// What only the Windows console program has: a UTF-16 command line, whose
// characters reach the generator as code page 936 bytes whatever the system's
// code page, and a C runtime that would otherwise rewrite the bytes written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

namespace macrange::test {
namespace {

TEST(CliWindowsTest, CommandLineCharactersReachTheGeneratorAsCodePage936) {
  const struct {
    const char* what;
    std::vector<std::wstring> args;
    int status;
    std::string out;
  } cases[] = {
      // 啊 is B0 A1 in code page 936; the 12-byte prefix ends after "DD".
      {"Chinese", {L"--", L"-啊:BB:CC:DD:EE:FE", L"x:x:x:x:EE:FF"}, 0,
       "-\xB0\xA1:BB:CC:DDEE:FE\n-\xB0\xA1:BB:CC:DDEE:FF\n"},
      // ก (Thai) is not in code page 936: "?", as the window reads it.
      {"outside code page 936", {L"กA:BB:CC:DD:EE:FE", L"x:x:x:x:EE:FE"}, 0,
       "?A:BB:CC:DD:EE:FE\n"},
      // No wildcard expansion: "*" is an address of one group, not file names.
      {"wildcard", {L"*", L"AA:BB:CC:DD:EF:01"}, 2, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome o = RunCliWide(c.args);
    EXPECT_EQ(o.status, c.status) << o.err;
    EXPECT_EQ(o.out, c.out);
  }
}

TEST(CliWindowsTest, StandardErrorIsWrittenAsBytesToo) {
  const Outcome o = RunCliWide({L"AA:BB:CC:DD:EE:", L"AA:BB:CC:DD:EF:01"});
  EXPECT_EQ(o.status, 2);
  EXPECT_TRUE(o.err.ends_with("AA:BB:CC:DD:EE:00\n")) << o.err;
  EXPECT_EQ(o.err.find('\r'), std::string::npos) << o.err;
}

}  // namespace
}  // namespace macrange::test
