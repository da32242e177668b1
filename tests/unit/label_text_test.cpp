// Labels show their captions line by line, "&" marking the underlined access character.
#include "ui/label_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

constexpr std::size_t kNone = std::string::npos;

struct Case {
  const char* caption;
  std::vector<ui::LabelLine> lines;
  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.caption; }
};

class LabelLines : public testing::TestWithParam<Case> {};

TEST_P(LabelLines, FollowThePrefixRule) {
  EXPECT_EQ(ui::label_lines(GetParam().caption), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, LabelLines,
    testing::Values(Case{"（2000&&XP适用）", {{"（2000&XP适用）", kNone, 0}}},
                    Case{"&File", {{"File", 0, 1}}}, Case{"a&&b&c", {{"a&bc", 3, 1}}},
                    Case{"&安装", {{"安装", 0, 3}}}, Case{"ends in &", {{"ends in ", kNone, 0}}},
                    Case{"&a&b", {{"ab", 0, 1}}}, Case{"&&&x", {{"&x", 1, 1}}},
                    Case{"软件初始工号：02\n初始密码：7364",
                         {{"软件初始工号：02", kNone, 0}, {"初始密码：7364", kNone, 0}}},
                    Case{"one\r\ntwo", {{"one", kNone, 0}, {"two", kNone, 0}}},
                    Case{"last\n", {{"last", kNone, 0}, {"", kNone, 0}}},
                    Case{"", {{"", kNone, 0}}}));

}  // namespace
