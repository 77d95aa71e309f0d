// The ANSI code page a Windows test program must find itself under. Wine takes
// the code page from the locale its wineserver starts in, so a run in the
// wrong locale (a C.UTF-8 run that meets a wineserver started in zh_CN, say)
// would silently test code page 936 twice; every test program checks first.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace macrange::test {

// MACRANGE_EXPECTED_ACP when it is set (any locale, or a real Windows);
// otherwise the code page Wine gives the locale this process was started in,
// picked as the C library picks the character type (LC_ALL, else LC_CTYPE,
// else LANG): 936 for zh_CN, 1252 for C, POSIX and en_*. 0 when neither says.
// Allocates nothing, so it serves where memory is made to run out.
inline UINT ExpectedCodePage() {
  if (const char* given = std::getenv("MACRANGE_EXPECTED_ACP"); given && *given) {
    return static_cast<UINT>(std::strtoul(given, nullptr, 10));
  }
  const char* locale = nullptr;
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    locale = std::getenv(name);
    if (locale && *locale) break;
  }
  if (!locale || !*locale) return 0;
  const auto starts = [locale](const char* prefix) {
    return std::strncmp(locale, prefix, std::strlen(prefix)) == 0;
  };
  if (starts("zh_CN")) return 936;
  if (std::strcmp(locale, "C") == 0 || starts("C.") || std::strcmp(locale, "POSIX") == 0 ||
      starts("en_")) {
    return 1252;
  }
  return 0;
}

}  // namespace macrange::test
