#include "coordination/frequency_units.h"

#include <gtest/gtest.h>

namespace quorprog::coordination {
namespace {

TEST(FrequencyUnits, KhzTextIsShortestWithADot) {
    EXPECT_EQ(khzText(470000000), "470000");
    EXPECT_EQ(khzText(470012500), "470012.5");
    EXPECT_EQ(khzText(470000125), "470000.125");
    EXPECT_EQ(khzText(50), "0.05");
    EXPECT_EQ(khzText(-37500), "-37.5");
}

TEST(FrequencyUnits, ParseKhzTakesPlainDecimalsOnly) {
    EXPECT_EQ(parseKhz("470012.5"), 470012500);
    EXPECT_EQ(parseKhz("350"), 350000);
    EXPECT_EQ(parseKhz("0.0004"), 0);  // rounded to the hertz
    for (const char* wrong : {"", "12,5", "1e5", "-350", "inf", "nan", "35O", "99999999"})
        EXPECT_EQ(parseKhz(wrong), std::nullopt) << wrong;
}

}  // namespace
}  // namespace quorprog::coordination
