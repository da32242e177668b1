// Application title rule.
#include "app/title.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <string>

namespace {

constexpr std::array<unsigned char, 12> kCp936Ranges{0x81, 0xFE};
const launch::LeadBytes kCp936 = launch::lead_bytes_from_ranges(kCp936Ranges);
const launch::LeadBytes kSingleByte{};

struct TitleCase {
  const char* name;
  std::string path;
  const launch::LeadBytes* lead;
  std::string title;

  friend void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }
};

class ApplicationTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitle, FollowsTheRule) {
  const TitleCase& c = GetParam();
  EXPECT_EQ(app::application_title(c.path, *c.lead), c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ApplicationTitle,
    testing::Values(
        TitleCase{"UpperCaseName", "E:\\SETUP.EXE", &kSingleByte, "Setup"},
        TitleCase{"CutAtFirstDot", "C:\\disc\\my.setup.exe", &kSingleByte, "my"},
        TitleCase{"FirstKeepsLowerCase", "C:\\disc\\setup.exe", &kSingleByte, "setup"},
        TitleCase{"SpacesKept", "C:\\My Disc\\INSTALL MENU.exe", &kSingleByte, "Install menu"},
        TitleCase{"NoSeparator", "SETUP.EXE", &kSingleByte, "Setup"},
        TitleCase{"NoDot", "C:\\disc\\README", &kSingleByte, "Readme"},
        TitleCase{"DotFirst", "C:\\disc\\.setup.exe", &kSingleByte, ""},
        TitleCase{"ColonIsNoSeparator", "C:SETUP.EXE", &kSingleByte, "C:setup"},
        // 誠 (D5 5C) opens the name: its 0x5C is no separator in code page 936.
        TitleCase{"Cp936SecondByteBackslash", "C:\\\xD5\x5CSETUP.EXE", &kCp936, "\xD5\x5Csetup"},
        TitleCase{"SingleByteSplitsThere", "C:\\\xD5\x5CSETUP.EXE", &kSingleByte, "Setup"},
        // 丄 is 81 41: its second byte is the byte of "A" and must not be lower-cased.
        TitleCase{"Cp936SecondByteLetter", "C:\\SETUP\x81\x41X.EXE", &kCp936, "Setup\x81\x41x"}),
    [](const testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

}  // namespace
