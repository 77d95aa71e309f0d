// The program's resources: the icon's images, the application manifest that
// asks for common controls 6 for this build's processor, and the version
// information, read from the test program (which links the same resources)
// and from macrange.exe itself.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "window_fixture.h"

namespace macrange::test {
namespace {

#ifdef _WIN64
constexpr const char* kArchitecture = "amd64";
#else
constexpr const char* kArchitecture = "x86";
#endif

// MACRANGE_EXE is the Unix path of the built program; Wine maps / to Z:.
std::wstring ProgramPath() {
  std::wstring path = L"Z:";
  for (const char* p = MACRANGE_EXE; *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

std::string ResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
  const HRSRC found = FindResourceW(module, name, type);
  if (!found) return {};
  const HGLOBAL loaded = LoadResource(module, found);
  const auto* data = static_cast<const char*>(LockResource(loaded));
  return data ? std::string(data, SizeofResource(module, found)) : std::string();
}

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

class ProgramModule {
 public:
  ProgramModule()
      : module_(LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~ProgramModule() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colour_count, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(Resources, IconHas16ColourImagesOf16_32And48Pixels) {
  ProgramModule program;
  for (const HMODULE module : {GetModuleHandleW(nullptr), program.get()}) {
    ASSERT_NE(module, nullptr);
    const std::string group = ResourceBytes(module, L"DEFAULT_ICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, 2);
    ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));
    std::set<std::pair<int, int>> sizes;
    for (WORD i = 0; i < count; ++i) {
      GroupIconEntry entry;
      std::memcpy(&entry, group.data() + 6 + i * sizeof(GroupIconEntry), sizeof(entry));
      EXPECT_EQ(entry.colour_count, 16);
      EXPECT_EQ(entry.bit_count, 4);
      sizes.insert({entry.width, entry.height});
    }
    EXPECT_EQ(sizes, (std::set<std::pair<int, int>>{{16, 16}, {32, 32}, {48, 48}}));
  }
}

TEST(Resources, ManifestAsksForCommonControls6ForThisProcessor) {
  ProgramModule program;
  for (const HMODULE module : {GetModuleHandleW(nullptr), program.get()}) {
    ASSERT_NE(module, nullptr);
    const std::string manifest = ResourceBytes(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_FALSE(manifest.empty()) << "no application manifest";
    const std::size_t dependency = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(dependency, std::string::npos);
    const std::string identity = manifest.substr(dependency, manifest.find("/>", dependency) - dependency);
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos) << identity;
    EXPECT_NE(identity.find(std::string("processorArchitecture=\"") + kArchitecture + "\""),
              std::string::npos)
        << identity;
    // The program's own identity names the same processor, and nothing else does.
    EXPECT_EQ(Count(manifest, "processorArchitecture=\""), 2);
    EXPECT_EQ(Count(manifest, std::string("processorArchitecture=\"") + kArchitecture + "\""), 2);
  }
}

TEST(Resources, VersionInformationNamesTheProgram) {
  const std::wstring path = ProgramPath();
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MACRANGE_VERSION_MAJOR << 16 | MACRANGE_VERSION_MINOR));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MACRANGE_VERSION_PATCH << 16));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  // The texts Explorer and Task Manager show, in the Chinese (PRC) table.
  const struct {
    const wchar_t* name;
    std::wstring text;
  } kTexts[] = {
      {L"ProductName", L"macrange"},
      {L"FileDescription", L"MAC 地址批量生成器"},
      {L"LegalCopyright", L"Copyright © 2026 the macrange developers. MIT License."},
  };
  for (const auto& expected : kTexts) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + expected.name;
    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
        << "no " << testing::PrintToString(std::wstring(expected.name));
    EXPECT_EQ(std::wstring(text), expected.text);
  }
}

using VisualStyles = MainWindowTest;

TEST_F(VisualStyles, CommonControls6DrawTheEditBoxesAndButtons) {
  // The manifest redirects EDIT and BUTTON to version 6 of the common
  // controls. Only their version-6 forms answer these messages; the
  // window system's own edit box and button leave them unhandled (0).
  for (const int id : {ui::kIdGenerateButton, ui::kIdCopyButton}) {
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(Control(id), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) << id;
    EXPECT_GT(ideal.cx, 0) << id;
  }
  // Cue banners exist for single-line boxes only.
  for (const int id : {ui::kIdStartBox, ui::kIdEndBox}) {
    EXPECT_TRUE(SendMessageW(Control(id), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(L"cue"))) << id;
    wchar_t banner[8] = L"";
    EXPECT_TRUE(SendMessageW(Control(id), EM_GETCUEBANNER, reinterpret_cast<WPARAM>(banner), 8)) << id;
    EXPECT_STREQ(banner, L"cue") << id;
  }
}

}  // namespace
}  // namespace macrange::test
