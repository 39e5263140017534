#include "coordination/frequency_units.h"

#include <gtest/gtest.h>

#include <cmath>

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
    EXPECT_EQ(parseKhz("500000.0010"), 500000001);
    EXPECT_EQ(parseKhz("0010000000"), 10000000000);
    // Finer than a hertz is refused, never rounded (to 0, an empty channel, or a neighbour).
    for (const char* wrong : {"", ".", "1.2.3", "12,5", "1e5", "-350", "inf", "nan", "35O",
                              "99999999", "10000000.001", "0.0004", "470000.0005"})
        EXPECT_EQ(parseKhz(wrong), std::nullopt) << wrong;
}

// A channel file may hold any float: what is not a frequency is an empty channel.
TEST(FrequencyUnits, ChannelHertzTakesRealFrequenciesOnly) {
    EXPECT_EQ(channelHertz(470012.5), 470012500);
    for (const double empty : {0.0, -470000.0, 1.0e8, HUGE_VAL, -HUGE_VAL, double{NAN}})
        EXPECT_EQ(channelHertz(empty), 0) << empty;
}

}  // namespace
}  // namespace quorprog::coordination
