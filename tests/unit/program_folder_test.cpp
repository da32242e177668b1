// Program folder rule, including double-byte paths whose second bytes look like "\".
#include "launch/program_folder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <string>

namespace {

using launch::LeadBytes;

// CPINFO::LeadByte as Windows reports it for code pages 936 (Chinese simplified, GBK) and 932.
constexpr std::array<unsigned char, 12> kCp936Ranges{0x81, 0xFE};
constexpr std::array<unsigned char, 12> kCp932Ranges{0x81, 0x9F, 0xE0, 0xFC};

const LeadBytes kCp936 = launch::lead_bytes_from_ranges(kCp936Ranges);
const LeadBytes kCp932 = launch::lead_bytes_from_ranges(kCp932Ranges);
const LeadBytes kSingleByte{};

// GBK bytes: 光 B9E2, 盘 C5CC, 中 D6D0, 文 CEC4, 安 B0B2, 装 D7B0, and 誠 D55C, whose second
// byte is the byte of "\". Shift-JIS: 表 955C.
const std::string kGuangPan = "\xB9\xE2\xC5\xCC";
const std::string kZhongWen = "\xD6\xD0\xCE\xC4";
const std::string kAnZhuang = "\xB0\xB2\xD7\xB0";
const std::string kCheng = "\xD5\x5C";
const std::string kBiaoSjis = "\x95\x5C";

struct FolderCase {
  const char* name;
  std::string path;
  const LeadBytes* lead;
  std::string folder;

  friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramFolder : public testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolder, EndsAtLastRealSeparator) {
  const FolderCase& c = GetParam();
  EXPECT_EQ(launch::program_folder(c.path, *c.lead), c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramFolder,
    testing::Values(
        FolderCase{"DriveRoot", "E:\\setup.exe", &kCp936, "E:\\"},
        FolderCase{"Spaces", "C:\\My Setup Disc\\setup.exe", &kSingleByte, "C:\\My Setup Disc\\"},
        FolderCase{"ColonSeparator", "E:setup.exe", &kCp936, "E:"},
        FolderCase{"ColonAfterBackslash", "C:\\dir\\a:b", &kSingleByte, "C:\\dir\\a:"},
        FolderCase{"NoSeparator", "setup.exe", &kCp936, ""}, FolderCase{"Empty", "", &kCp936, ""},
        FolderCase{"EndsInSeparator", "C:\\disc\\", &kCp936, "C:\\disc\\"},
        // The 0x5C of 誠 in the file name is no separator in code page 936...
        FolderCase{"Cp936SecondByteInName",
                   "C:\\" + kGuangPan + kCheng + "\\" + kAnZhuang + kCheng + ".exe", &kCp936,
                   "C:\\" + kGuangPan + kCheng + "\\"},
        // ...but in a single-byte code page the same bytes hold a separator there.
        FolderCase{"SingleByteCodePage",
                   "C:\\" + kGuangPan + kCheng + "\\" + kAnZhuang + kCheng + ".exe", &kSingleByte,
                   "C:\\" + kGuangPan + kCheng + "\\" + kAnZhuang + kCheng},
        // Four lead-range bytes before "\": two whole characters, so it is a separator.
        FolderCase{"EvenRunOfLeadBytes", "C:\\" + kZhongWen + "\\setup.exe", &kCp936,
                   "C:\\" + kZhongWen + "\\"},
        // Five before it: the last of them opens a character that the 0x5C closes.
        FolderCase{"OddRunOfLeadBytes", "C:\\d\\" + kZhongWen + kCheng + "x.exe", &kCp936,
                   "C:\\d\\"},
        FolderCase{"SecondByteRightAfterSeparator", "C:\\" + kCheng, &kCp936, "C:\\"},
        FolderCase{"SecondByteAtStart", kCheng + "setup.exe", &kCp936, ""},
        FolderCase{"Cp932FolderName", "C:\\" + kBiaoSjis + "\\setup.exe", &kCp932,
                   "C:\\" + kBiaoSjis + "\\"},
        FolderCase{"Cp932FileName", "C:\\dir\\" + kBiaoSjis + ".exe", &kCp932, "C:\\dir\\"},
        // 0xA0 to 0xDF are single-byte katakana in 932: a "\" after one is a separator.
        FolderCase{"Cp932NonLeadHighByte", "C:\\\xB1\\setup.exe", &kCp932, "C:\\\xB1\\"}),
    [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

struct LeadByteCase {
  const char* name;
  const LeadBytes* lead;
  unsigned char byte;
  bool is_lead;

  friend void PrintTo(const LeadByteCase& c, std::ostream* os) { *os << c.name; }
};

class LeadByteSet : public testing::TestWithParam<LeadByteCase> {};

TEST_P(LeadByteSet, HoldsExactlyTheRanges) {
  const LeadByteCase& c = GetParam();
  EXPECT_EQ(c.lead->contains(c.byte), c.is_lead);
}

INSTANTIATE_TEST_SUITE_P(CodePages, LeadByteSet,
                         testing::Values(LeadByteCase{"Cp936Below", &kCp936, 0x80, false},
                                         LeadByteCase{"Cp936First", &kCp936, 0x81, true},
                                         LeadByteCase{"Cp936Last", &kCp936, 0xFE, true},
                                         LeadByteCase{"Cp936Above", &kCp936, 0xFF, false},
                                         LeadByteCase{"Cp936Backslash", &kCp936, 0x5C, false},
                                         LeadByteCase{"Cp932FirstRangeEnd", &kCp932, 0x9F, true},
                                         LeadByteCase{"Cp932Gap", &kCp932, 0xA0, false},
                                         LeadByteCase{"Cp932SecondRange", &kCp932, 0xE0, true},
                                         LeadByteCase{"Cp932SecondRangeEnd", &kCp932, 0xFC, true},
                                         LeadByteCase{"Cp932AfterRanges", &kCp932, 0xFD, false},
                                         LeadByteCase{"SingleByteNone", &kSingleByte, 0x81, false},
                                         LeadByteCase{"ZeroNeverLead", &kCp936, 0x00, false}),
                         [](const testing::TestParamInfo<LeadByteCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(LeadBytesFromRanges, StopsAtTheTerminatingPair) {
  // Bytes after the pair of zeros are not ranges, whatever they hold.
  constexpr std::array<unsigned char, 6> ranges{0x81, 0x82, 0x00, 0x00, 0xE0, 0xFC};
  const LeadBytes lead = launch::lead_bytes_from_ranges(ranges);
  EXPECT_EQ(lead.bytes.count(), 2u);
  EXPECT_FALSE(lead.contains(0xE0));
}

}  // namespace
