// Runs macrange-cli as a process and checks its output bytes and exit status:
// the same cases for the Linux program and for the Windows console program.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using macrange::test::Outcome;
using macrange::test::RunCli;
using macrange::test::Stdout;

std::size_t CountLines(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CliTest, WritesTheLinesEndingInLineFeed) {
  const Outcome o = RunCli({"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "AA:BB:CC:DD:EE:FE\nAA:BB:CC:DD:EE:FF\nAA:BB:CC:DD:EF:00\nAA:BB:CC:DD:EF:01\n");
  EXPECT_EQ(o.err, "");
}

TEST(CliTest, CrLfKeepsTheGeneratorsLineEnds) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--crlf", "AA:BB:CC:DD:0A:FF", "AA:BB:CC:DD:0B:00"},
        std::vector<std::string>{"AA:BB:CC:DD:0A:FF", "AA:BB:CC:DD:0B:00", "--crlf"}}) {
    const Outcome o = RunCli(args);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "AA:BB:CC:DD:0A:FF\r\nAA:BB:CC:DD:0B:00\r\n");
    EXPECT_EQ(o.err, "");
  }
}

TEST(CliTest, ArgumentBytesReachTheGeneratorUnchanged) {
  // "--" lets an address begin with "-"; 啊 is B0 A1 in code page 936, and the
  // 12-byte prefix ends after "DD", so group 5 follows it directly.
  const Outcome o = RunCli({"--", "-\xB0\xA1:BB:CC:DD:EE:FE", "-"});
  EXPECT_EQ(o.status, 2);  // "-" is an address of one group
  const Outcome met = RunCli({"--", "-\xB0\xA1:BB:CC:DD:EE:FE", "x:x:x:x:EE:FF"});
  EXPECT_EQ(met.status, 0);
  EXPECT_EQ(met.out, "-\xB0\xA1:BB:CC:DDEE:FE\n-\xB0\xA1:BB:CC:DDEE:FF\n");
}

TEST(CliTest, ExhaustedRunSaysSoOnOneLine) {
  const Outcome o = RunCli({"AA:BB:CC:DD:EE:00", "AA:BB:CC:DD:EE:ff"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(CountLines(o.out), 1280u);
  EXPECT_TRUE(o.out.starts_with("AA:BB:CC:DD:EE:00\nAA:BB:CC:DD:EE:01\n"));
  EXPECT_TRUE(o.out.ends_with("AA:BB:CC:DD:F2:FE\nAA:BB:CC:DD:F2:FF\n"));
  EXPECT_EQ(CountLines(o.err), 1u);
  EXPECT_TRUE(o.err.ends_with("\n"));
  EXPECT_NE(o.err.find("1280 lines"), std::string::npos) << o.err;
}

struct RefusedCase {
  const char* name;
  std::string start;
  std::string end;
  std::vector<std::string> said;  // what the message must hold
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class CliRefusalTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(CliRefusalTest, NamesTheAddressAndWritesNothing) {
  const Outcome o = RunCli({GetParam().start, GetParam().end});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(CountLines(o.err), 1u) << o.err;
  EXPECT_TRUE(o.err.starts_with("macrange-cli: ")) << o.err;
  for (const std::string& s : GetParam().said) EXPECT_NE(o.err.find(s), std::string::npos) << s;
  EXPECT_NE(o.err.find("for example AA:BB:CC:DD:"), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliRefusalTest,
    testing::Values(
        RefusedCase{"ShortStart", "AA:BB:CC:DD:EE:", "AA:BB:CC:DD:EF:01",
                    {"start address \"AA:BB:CC:DD:EE:\"", "5 groups", "six"}},
        RefusedCase{"EmptyStart", "", "AA:BB:CC:DD:EF:01", {"start address \"\"", "0 groups"}},
        RefusedCase{"ShortEnd", "AA:BB:CC:DD:EE:FE", "AA:BB",
                    {"end address \"AA:BB\"", "2 groups"}},
        RefusedCase{"NegativeGroup6", "AA:BB:CC:DD:EE:FFFFFFFFFFFFFFFF", "AA:BB:CC:DD:EF:01",
                    {"start address", "group 6 \"FFFFFFFFFFFFFFFF\"", "negative"}},
        RefusedCase{"Group5TooLarge", "AA:BB:CC:DD:20000000000000:00", "AA:BB:CC:DD:EF:01",
                    {"start address", "group 5 \"20000000000000\"", "above 1FFFFFFFFFFFFC"}},
        // a terminal control sequence is shown escaped, not sent as is
        RefusedCase{"ControlBytesEscaped", "\x1B[2J:x", "AA:BB:CC:DD:EF:01",
                    {"start address \"\\x1B[2J:x\""}}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(CliTest, WrongUsageGivesAUsageLine) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, std::vector<std::string>{"AA:BB:CC:DD:EE:FE"},
        std::vector<std::string>{"a", "b", "c"}, std::vector<std::string>{"--crlf"},
        std::vector<std::string>{"--lf", "AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01"},
        std::vector<std::string>{"-x", "AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01"}}) {
    const Outcome o = RunCli(args);
    EXPECT_EQ(o.status, 64) << testing::PrintToString(args);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("usage: macrange-cli [--crlf] START END\n"), std::string::npos) << o.err;
  }
}

TEST(CliTest, HelpAndVersion) {
  const Outcome help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("usage: macrange-cli [--crlf] START END\n")) << help.out;
  EXPECT_NE(help.out.find("64  wrong usage"), std::string::npos);
  EXPECT_EQ(help.err, "");
  // --help wins over anything else on the line
  EXPECT_EQ(RunCli({"--bogus", "--help"}).status, 0);

  const Outcome version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "macrange-cli " MACRANGE_VERSION "\n");
  EXPECT_EQ(version.err, "");
}

TEST(CliTest, FailedWriteIsNotReportedAsSuccess) {
  for (Stdout to : {Stdout::kDevFull, Stdout::kPipeWithoutReader}) {
    const Outcome o = RunCli({"AA:BB:CC:DD:EE:FE", "AA:BB:CC:DD:EF:01"}, to);
    EXPECT_EQ(o.status, 74);
    EXPECT_NE(o.err.find("cannot write to standard output"), std::string::npos) << o.err;
  }
}

}  // namespace
