#include "quillory/marking/numeric_answer.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

struct NumberCase {
  const char* text;
  std::optional<double> value;
};

class ParseNumericAnswerTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumericAnswerTest, ReadsOnlyWhatIsANumber) {
  EXPECT_EQ(ParseNumericAnswer(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumericAnswerTest,
    ::testing::Values(NumberCase{"1500109", 1500109}, NumberCase{"1,500,109", 1500109},
                      NumberCase{"  487 ", 487}, NumberCase{"487.0", 487},
                      NumberCase{"4.87E2", 487}, NumberCase{"0.030", 0.03}, NumberCase{"-12", -12},
                      NumberCase{"+7", 7}, NumberCase{".5", 0.5}, NumberCase{"12,345.75", 12345.75},
                      NumberCase{"1e-3", 0.001},
                      // a decimal comma is not a thousands separator
                      NumberCase{"1,5", std::nullopt}, NumberCase{"15,00", std::nullopt},
                      NumberCase{"1500,109", std::nullopt}, NumberCase{",500", std::nullopt},
                      NumberCase{"1,,500", std::nullopt}, NumberCase{"487 m", std::nullopt},
                      NumberCase{"", std::nullopt}, NumberCase{"   ", std::nullopt},
                      NumberCase{"four", std::nullopt}, NumberCase{"5.", std::nullopt},
                      NumberCase{"1e", std::nullopt}, NumberCase{"- 5", std::nullopt},
                      NumberCase{"\t5", std::nullopt}, NumberCase{"1e999", std::nullopt}));

}  // namespace
}  // namespace quillory
