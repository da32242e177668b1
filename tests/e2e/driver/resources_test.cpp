// What setup.exe carries for Windows itself: its manifest and its version information.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rig.h"

namespace {

std::wstring setup_exe() { return rig::product_dir() + L"setup.exe"; }

std::string manifest() {
  HMODULE module = LoadLibraryExW(setup_exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return {};
  std::string text;
  if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    text.assign(bytes, SizeofResource(module, found));
  }
  FreeLibrary(module);
  return text;
}

TEST(Resources, ManifestAsksForElevationRealDensityAndTheSupportedSystems) {
  const std::string text = manifest();
  ASSERT_FALSE(text.empty()) << "no manifest (resource 1 of type 24)";
  for (const char* part : {
           "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v2\">",
           "<requestedExecutionLevel level=\"requireAdministrator\" uiAccess=\"false\"/>",
           ">true</dpiAware>",
           "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
       }) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
  // The buttons keep the classic look: no themed control library.
  EXPECT_EQ(text.find("Common-Controls"), std::string::npos);
  EXPECT_EQ(text.find("<dependency"), std::string::npos);
}

TEST(Resources, VersionInformationNamesTheProgram) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(setup_exe().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoW(setup_exe().c_str(), 0, size, data.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  const struct {
    const wchar_t* name;
    const wchar_t* value;
  } expected[] = {
      {L"FileDescription", L"Orvella安装软件"}, {L"ProductName", L"Orvella安装软件"},
      {L"OriginalFilename", L"setup.exe"},      {L"FileVersion", L"1.0.0.0"},
      {L"ProductVersion", L"1.0.0.0"},          {L"LegalCopyright", L"Copyright © 2026 Orvella"},
  };
  for (const auto& [name, value] : expected) {
    wchar_t* text = nullptr;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    ASSERT_TRUE(VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
        << rig::narrow(name);
    EXPECT_EQ(std::wstring(text), value) << rig::narrow(name);
  }
}

}  // namespace
