// Error box text and the guard at the message-dispatch boundary.
#include "app/error_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <new>
#include <stdexcept>
#include <string>

namespace {

struct TextCase {
  const char* name;
  std::string message;
  std::string text;

  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class ErrorText : public testing::TestWithParam<TextCase> {};

TEST_P(ErrorText, AppendsFullStopAfterCharactersSortingAfterIt) {
  EXPECT_EQ(app::error_text(GetParam().message), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorText,
    testing::Values(TextCase{"Letter", "Disk not ready", "Disk not ready."},
                    TextCase{"FullStop", "Done.", "Done."},
                    TextCase{"Exclamation", "Stop!", "Stop!"},  // '!' sorts before '.'
                    TextCase{"Comma", "a,", "a,"}, TextCase{"Hyphen", "a-", "a-"},
                    TextCase{"Slash", "a/", "a/."},  // '/' is the first after '.'
                    TextCase{"Question", "Why?", "Why?."}, TextCase{"Digit", "Error 5", "Error 5."},
                    TextCase{"Empty", "", ""}, TextCase{"Chinese", "错误", "错误."}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(RunGuarded, NothingToReportWhenTheHandlerReturns) {
  int calls = 0;
  EXPECT_EQ(app::run_guarded([&] { ++calls; }), std::nullopt);
  EXPECT_EQ(calls, 1);
}

TEST(RunGuarded, StopsEveryKindOfErrorWithItsText) {
  EXPECT_EQ(app::run_guarded([] { throw std::runtime_error("Cannot open file"); }),
            "Cannot open file.");
  EXPECT_EQ(app::run_guarded([] { throw std::out_of_range("No launch action for Button3"); }),
            "No launch action for Button3.");
  EXPECT_EQ(app::run_guarded([] { throw std::bad_alloc(); }), "std::bad_alloc.");
  EXPECT_EQ(app::run_guarded([] { throw 42; }), std::string(app::kUnknownError) + ".");
}

}  // namespace
