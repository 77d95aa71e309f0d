// The DLL search limit that both Windows programs set first, in a process of its own: the
// limit lasts for the life of the process. A DLL that lies only beside this
// program loads by name before the limit and no longer after it, while the
// system's own DLLs still do.
#include "win/dll_search.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace macrange::win {
namespace {

constexpr const wchar_t* kProbe = L"beside_probe.dll";
constexpr int kProbeAnswer = 0x5EA2C4;

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring program(path, length);
  return program.substr(0, program.find_last_of(L"\\/") + 1) + name;
}

// Loads the probe by name, checks that it is the probe, and unloads it again:
// a DLL still loaded would be found by its name whatever the search.
bool ProbeLoadsByName() {
  const HMODULE probe = LoadLibraryW(kProbe);
  if (!probe) return false;
  const auto answer = reinterpret_cast<int (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(probe, "BesideProbe")));
  EXPECT_NE(answer, nullptr);
  if (answer) {
    EXPECT_EQ(answer(), kProbeAnswer);
  }
  FreeLibrary(probe);
  EXPECT_EQ(GetModuleHandleW(kProbe), nullptr) << "the probe stayed loaded";
  return true;
}

TEST(DllSearch, ADllBesideTheProgramLoadsBeforeTheLimitAndNotAfterIt) {
  ASSERT_NE(GetFileAttributesW(BesideThisProgram(kProbe).c_str()), INVALID_FILE_ATTRIBUTES)
      << "the probe DLL is built beside this program";
  // A system DLL this program has not loaded yet, to load by name afterwards.
  constexpr const wchar_t* kSystemDll = L"version.dll";
  ASSERT_EQ(GetModuleHandleW(kSystemDll), nullptr);

  ASSERT_TRUE(ProbeLoadsByName()) << "the program's own folder is searched before the limit";

  ASSERT_TRUE(LimitDllSearchToSystemFolder());
  EXPECT_FALSE(ProbeLoadsByName());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

  const HMODULE system_dll = LoadLibraryW(kSystemDll);
  EXPECT_NE(system_dll, nullptr) << "the system folder is still searched";
  if (system_dll) FreeLibrary(system_dll);
}

}  // namespace
}  // namespace macrange::win
