#include <gtest/gtest.h>

#include "description/integer_text.h"

namespace quorprog {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<int32_t> value;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class IntegerTextTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerTextTest, ConvertsByTheOneRule) {
    EXPECT_EQ(parseIntegerText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, IntegerTextTest,
    ::testing::Values(IntegerCase{"0", 0}, IntegerCase{"00", 0}, IntegerCase{"176", 176},
                      IntegerCase{"  42", 42}, IntegerCase{"+7", 7}, IntegerCase{"-1", -1},
                      IntegerCase{"2147483647", INT32_MAX}, IntegerCase{"-2147483648", INT32_MIN},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"-2147483649", std::nullopt},
                      IntegerCase{"99999999999999999999", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, IntegerTextTest,
    ::testing::Values(IntegerCase{"$1F", 31}, IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 31},
                      IntegerCase{"x1F", 31}, IntegerCase{"X1F", 31}, IntegerCase{"$FFFFFFFF", -1},
                      IntegerCase{"$80000000", INT32_MIN}, IntegerCase{"$000000001", 1},
                      IntegerCase{"$100000000", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"-$1", std::nullopt},
                      IntegerCase{"$1G", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, IntegerTextTest,
    ::testing::Values(IntegerCase{"", std::nullopt}, IntegerCase{"   ", std::nullopt},
                      IntegerCase{"abc", std::nullopt}, IntegerCase{"12 ", std::nullopt},
                      IntegerCase{"9 ", std::nullopt}, IntegerCase{"1a", std::nullopt},
                      IntegerCase{"+", std::nullopt}, IntegerCase{"- 1", std::nullopt},
                      IntegerCase{"\t1", std::nullopt}, IntegerCase{"1.5", std::nullopt}));

}  // namespace
}  // namespace quorprog
