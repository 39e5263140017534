#include <gtest/gtest.h>

#include "channels/pll.h"

namespace quorprog {
namespace {

PllParameters defaultPll() {
    return PllParameters{.xtal = 12800, .r = 1024, .multiplier = 1, .prescaler = 64};
}

PllParameters receiver(int32_t intermediate, bool oscOverRf) {
    PllParameters pll = defaultPll();
    pll.intermediate = intermediate;
    pll.isReceiver = true;
    pll.oscOverRf = oscOverRf;
    return pll;
}

struct ComputeCase {
    const char* name;
    int32_t n, a;
    PllParameters pll;
    double kHz;
};

void PrintTo(const ComputeCase& c, std::ostream* os) {
    *os << c.name;
}

class ComputeChannelFrequencyTest : public ::testing::TestWithParam<ComputeCase> {};

TEST_P(ComputeChannelFrequencyTest, CountersGiveTheChannelFrequency) {
    const ComputeCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ComputeChannelFrequency(c.n, c.a, c.pll), c.kHz);
}

PllParameters withR(int32_t r) {
    PllParameters pll = defaultPll();
    pll.r = r;
    return pll;
}

PllParameters withPrescaler(int32_t prescaler) {
    PllParameters pll = defaultPll();
    pll.prescaler = prescaler;
    return pll;
}

PllParameters withXtalAndMultiplier(int32_t xtal, int32_t multiplier) {
    PllParameters pll = defaultPll();
    pll.xtal = xtal;
    pll.multiplier = multiplier;
    return pll;
}

INSTANTIATE_TEST_SUITE_P(
    Worked, ComputeChannelFrequencyTest,
    ::testing::Values(
        ComputeCase{"Transmitter470000", 587, 32, defaultPll(), 470000.0},
        ComputeCase{"ReceiverOscAbove", 587, 32, receiver(10700, true), 459300.0},
        ComputeCase{"ReceiverOscBelow", 587, 32, receiver(10700, false), 480700.0},
        ComputeCase{"IfIgnoredForTransmitter", 587, 32,
                    [] {
                        PllParameters pll = defaultPll();
                        pll.intermediate = 10700;
                        return pll;
                    }(),
                    470000.0},
        ComputeCase{"Prescaler128", 293, 96, withPrescaler(128), 470000.0},
        ComputeCase{"Step5kHz", 1468, 48, withR(2560), 470000.0},
        ComputeCase{"Step6_25kHzNotOnRaster", 1175, 1, withR(2048), 470006.25},
        ComputeCase{"DividerZeroGivesZero", 587, 32, withR(0), 0.0},
        ComputeCase{"DividerZeroReceiverGivesZero", 587, 32,
                    [] {
                        PllParameters pll = receiver(10700, false);
                        pll.r = 0;
                        return pll;
                    }(),
                    0.0},
        ComputeCase{"NZeroLeavesA", 0, 32, defaultPll(), 400.0},
        ComputeCase{"Multiplier3", 587, 32, withXtalAndMultiplier(12800, 3), 1410000.0},
        // The two bracketed products wrap at 32 bits as the firmware forms them.
        ComputeCase{"ReferenceProductWraps", 1, 0, withXtalAndMultiplier(65536, 65537), 4096.0}));

}  // namespace
}  // namespace quorprog
