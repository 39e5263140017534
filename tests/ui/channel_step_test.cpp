#include "channels/channel_step.h"

#include <gtest/gtest.h>

#include "channels/pll.h"

namespace quorprog {
namespace {

using Outcome = ChannelStepping::Outcome;

// One partition of one channel: 12.5 kHz step, prescaler 64, range 470-790 MHz.
ChannelTable oneChannel(float kHz, bool receiver = false) {
    ChannelTable table;
    table.PartitionCount = 1;
    table.allocatePartitions(1);
    table.allocateChannels(0, 1);
    table.XTAL[0] = 12800;
    table.Multiplier[0] = 1;
    table.Prescaler[0] = 64;
    table.IF[0] = 10700;
    table.MinFreq[0] = 470000;
    table.MaxFreq[0] = 790000;
    table.IsReceiver[0] = receiver ? 1 : 0;
    table.R[0][0] = 1024;
    table.Frequency[0][0] = kHz;
    return table;
}

struct StepCase {
    const char* name;
    float before;
    int direction;
    Outcome outcome;
    float after;
    uint32_t n;
    uint32_t a;
};

class NextChannelStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(NextChannelStep, OfATransmitter) {
    const StepCase& step = GetParam();
    const ChannelStepping result = nextChannelStep(oneChannel(step.before), 0, 0, step.direction);
    EXPECT_EQ(result.outcome, step.outcome);
    if (step.outcome != Outcome::Stepped) return;
    EXPECT_FLOAT_EQ(result.frequency, step.after);
    EXPECT_EQ(result.n, step.n);
    EXPECT_EQ(result.a, step.a);
}

// 470012.5 kHz is 37601 steps: N 587, A 33.
INSTANTIATE_TEST_SUITE_P(
    Cases, NextChannelStep,
    ::testing::Values(
        StepCase{"UpFromAGridPoint", 470000.0f, +1, Outcome::Stepped, 470012.5f, 587, 33},
        StepCase{"DownFromAGridPoint", 470025.0f, -1, Outcome::Stepped, 470012.5f, 587, 33},
        StepCase{"UpFromBetweenPoints", 470006.0f, +1, Outcome::Stepped, 470012.5f, 587, 33},
        StepCase{"DownFromBetweenPoints", 470031.0f, -1, Outcome::Stepped, 470012.5f, 587, 33},
        StepCase{"ToTheTopOfTheRange", 789987.5f, +1, Outcome::Stepped, 790000.0f, 987, 32},
        StepCase{"BeyondTheTop", 790000.0f, +1, Outcome::OutOfRange, 0, 0, 0},
        StepCase{"BelowTheBottom", 470000.0f, -1, Outcome::OutOfRange, 0, 0, 0},
        StepCase{"AnEmptyChannel", 0.0f, +1, Outcome::NotSteppable, 0, 0, 0},
        StepCase{"ANegativeFrequency", -12.5f, +1, Outcome::NotSteppable, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NextChannelStepOfAReceiver, CountsTheOscillatorBelowOrAboveTheChannel) {
    ChannelTable below = oneChannel(470000.0f, true);
    // Oscillator 459312.5 kHz: 36745 steps, N 574, A 9.
    ChannelStepping stepped = nextChannelStep(below, 0, 0, +1);
    ASSERT_EQ(stepped.outcome, Outcome::Stepped);
    EXPECT_FLOAT_EQ(stepped.frequency, 470012.5f);
    EXPECT_EQ(stepped.n, 574u);
    EXPECT_EQ(stepped.a, 9u);

    ChannelTable above = oneChannel(470000.0f, true);
    above.OSCoverRF[0] = 1;
    // Oscillator 480712.5 kHz: 38457 steps, N 600, A 57.
    stepped = nextChannelStep(above, 0, 0, +1);
    EXPECT_EQ(stepped.n, 600u);
    EXPECT_EQ(stepped.a, 57u);
}

TEST(NextChannelStepOfAReceiver, AnOscillatorBelowZeroIsRefused) {
    ChannelTable table = oneChannel(5000.0f, true);
    table.MinFreq[0] = 0;
    EXPECT_EQ(nextChannelStep(table, 0, 0, +1).outcome, Outcome::OutOfRange);
}

TEST(NextChannelStepWithoutAStep, DoesNothing) {
    ChannelTable noDivider = oneChannel(470000.0f);
    noDivider.R[0][0] = 0;
    ChannelTable noPrescaler = oneChannel(470000.0f);
    noPrescaler.Prescaler[0] = 0;
    ChannelTable noReference = oneChannel(470000.0f);
    noReference.XTAL[0] = 0;
    for (const ChannelTable* table : {&noDivider, &noPrescaler, &noReference}) {
        EXPECT_EQ(nextChannelStep(*table, 0, 0, +1).outcome, Outcome::NotSteppable);
    }
    EXPECT_EQ(nextChannelStep(oneChannel(470000.0f), 0, 1, +1).outcome, Outcome::NotSteppable);
    EXPECT_EQ(nextChannelStep(oneChannel(470000.0f), 1, 0, +1).outcome, Outcome::NotSteppable);
}

TEST(ChannelStep, IsTheMultipliedReferenceOverTheChannelsDivider) {
    ChannelTable table = oneChannel(470000.0f);
    EXPECT_FLOAT_EQ(channelStep(table, 0, 0), 12.5f);
    table.R[0][0] = 2560;
    table.Multiplier[0] = 2;
    EXPECT_FLOAT_EQ(channelStep(table, 0, 0), 10.0f);
    table.R[0][0] = 0;
    EXPECT_EQ(channelStep(table, 0, 0), 0.0f);
}

}  // namespace
}  // namespace quorprog
