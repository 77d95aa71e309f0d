// Compiled into every Windows GoogleTest program (tests/CMakeLists.txt adds it
// to GoogleTest's own library as an interface source): before any test runs,
// the program checks that Windows' ANSI code page is the one its locale asks
// for, so a run meant for one code page cannot quietly test another.
#include <gtest/gtest.h>

#include "expected_code_page.h"

namespace {

class CodePageEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    const UINT expected = macrange::test::ExpectedCodePage();
    ASSERT_NE(expected, 0u)
        << "no expected code page: run in a zh_CN (936) or C.UTF-8 (1252) locale, or set "
           "MACRANGE_EXPECTED_ACP";
    ASSERT_EQ(GetACP(), expected) << "Windows' code page is not the one this locale asks for "
                                     "(is a wineserver of another locale running?)";
  }
};

// Registered before main runs; GoogleTest owns the environment from here.
[[maybe_unused]] testing::Environment* const g_code_page_environment =
    testing::AddGlobalTestEnvironment(new CodePageEnvironment);

}  // namespace
