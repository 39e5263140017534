#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "channel_test_support.h"
#include "channels/channel_step.h"
#include "channels/partition_keys.h"
#include "channels/pll.h"
#include "description/default_description.h"

namespace quorprog {
namespace {

// One transmitter group of 16 channels on the built-in single-group memory map, 12.5 kHz step,
// 470-790 MHz.
class EncodeTest : public ::testing::Test {
  protected:
    EncodeTest() : device(defaultDescriptionText()) {
        ChannelTable& table = device.table;
        table.MemoryMapName = "DEFAULTMAP1PART";
        table.PartitionCount = 1;
        table.allocatePartitions(1);
        table.allocateChannels(0, 16);
        table.XTAL[0] = 12800;
        table.Multiplier[0] = 1;
        table.Prescaler[0] = 64;
        table.MinFreq[0] = 470000;
        table.MaxFreq[0] = 790000;
        for (int32_t& r : table.R[0]) r = 1024;
    }

    int32_t encode(float kHz, int32_t channel = 0) {
        device.table.Frequency[0][channel] = kHz;
        return EncodeChannelFrequencies(device.table, device.map, 0, channel);
    }
    void makeReceiver(int32_t intermediate, bool oscOverRf) {
        device.table.IsReceiver[0] = 1;
        device.table.IF[0] = intermediate;
        device.table.OSCoverRF[0] = oscOverRf;
    }
    int32_t n(uint32_t c) { return device.map.ReadMapValue(partitionKey(0, "N", c)); }
    int32_t a(uint32_t c) { return device.map.ReadMapValue(partitionKey(0, "A", c)); }
    float frequency(uint32_t c) const { return device.table.Frequency[0][c]; }
    bool anyByteChanged() const {
        for (uint8_t flag : device.image.changedFlags()) {
            if (flag) return true;
        }
        return false;
    }
    // Counters the encoding must not touch.
    void presetCounters(uint32_t c, int32_t nValue, int32_t aValue) {
        device.map.WriteMapValue(partitionKey(0, "N", c), nValue);
        device.map.WriteMapValue(partitionKey(0, "A", c), aValue);
    }

    testing::Device device;
};

// XTAL 12800 / R 3 × 5 rounds differently as (12800 / 3) × 5 in single precision than in one
// rounding: the arrows and the encoding must agree on it, or a commit undoes an arrow step.
TEST_F(EncodeTest, EveryArrowStepIsAPointOfTheEncodingsGrid) {
    device.table.R[0][0] = 3;
    device.table.Multiplier[0] = 5;
    device.table.Frequency[0][0] = 470000.0f;
    while (stepChannelFrequency(device.table, device.map, 0, 0, +1) ==
           ChannelStepping::Outcome::Stepped) {
        const float stepped = frequency(0);
        const std::pair<int32_t, int32_t> counters{n(0), a(0)};
        EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 0, 0), kEncodeExact)
            << stepped;
        EXPECT_EQ(frequency(0), stepped);
        EXPECT_EQ(std::make_pair(n(0), a(0)), counters) << stepped;
    }
    EXPECT_GT(frequency(0), 780000.0f) << "the steps reach the top of the range";
}

TEST_F(EncodeTest, TransmitterOnTheStepIsExact) {
    EXPECT_EQ(encode(470000.0f), kEncodeExact);
    EXPECT_EQ(n(0), 587);
    EXPECT_EQ(a(0), 32);
    EXPECT_EQ(frequency(0), 470000.0f);
}

struct SnapCase {
    float kHz;
    float snapped;
};

class SnapTest : public EncodeTest, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(SnapTest, FrequencyBetweenStepsMovesDownToTheLowerStep) {
    EXPECT_EQ(encode(GetParam().kHz), kEncodeSnapped);
    EXPECT_EQ(frequency(0), GetParam().snapped);
    EXPECT_EQ(n(0) * 64 + a(0), static_cast<int32_t>(GetParam().snapped / 12.5f));
}

INSTANTIATE_TEST_SUITE_P(Truncates, SnapTest,
                         ::testing::Values(SnapCase{470006.0f, 470000.0f},
                                           SnapCase{470012.4f, 470000.0f},
                                           SnapCase{470012.6f, 470012.5f},
                                           SnapCase{789999.0f, 789987.5f}));

struct ReceiverCase {
    const char* name;
    bool oscOverRf;
    int32_t n, a;
};

void PrintTo(const ReceiverCase& c, std::ostream* os) {
    *os << c.name;
}

class ReceiverEncodeTest : public EncodeTest, public ::testing::WithParamInterface<ReceiverCase> {};

TEST_P(ReceiverEncodeTest, TheLoopRunsAtTheOscillatorFrequency) {
    makeReceiver(10700, GetParam().oscOverRf);
    EXPECT_EQ(encode(470000.0f), kEncodeExact);
    EXPECT_EQ(frequency(0), 470000.0f);
    EXPECT_EQ(n(0), GetParam().n);
    EXPECT_EQ(a(0), GetParam().a);
    // Decoding the written counters gives the channel frequency back.
    const PllParameters pll = pllOfChannel(device.table, 0, 0);
    EXPECT_DOUBLE_EQ(ComputeChannelFrequency(n(0), a(0), pll), 470000.0);
}

INSTANTIATE_TEST_SUITE_P(IfOffset, ReceiverEncodeTest,
                         ::testing::Values(ReceiverCase{"OscBelowRf", false, 574, 8},
                                           ReceiverCase{"OscAboveRf", true, 600, 56}));

TEST_F(EncodeTest, Prescaler128SplitsTheCountDifferently) {
    device.table.Prescaler[0] = 128;
    EXPECT_EQ(encode(470000.0f), kEncodeExact);
    EXPECT_EQ(n(0), 293);
    EXPECT_EQ(a(0), 96);
}

TEST_F(EncodeTest, MaxFreqZeroClearsEveryChannelAndItsCounters) {
    device.table.MinFreq[0] = 0;
    device.table.MaxFreq[0] = 0;
    for (uint32_t c = 0; c < 16; ++c) {
        device.table.Frequency[0][c] = 470000.0f + 12.5f * static_cast<float>(c);
        presetCounters(c, 587, 32);
    }
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 0, -1), kEncodeFailed);
    for (uint32_t c = 0; c < 16; ++c) {
        EXPECT_EQ(frequency(c), 0.0f) << c;
        EXPECT_EQ(n(c), 0) << c;
        EXPECT_EQ(a(c), 0) << c;
    }
    EXPECT_TRUE(device.image.isChanged(1));  // byte 1 holds most of N of channel 0
}

TEST_F(EncodeTest, TheRangeLimitsThemselvesAreInRange) {
    EXPECT_EQ(encode(470000.0f, 0), kEncodeExact);
    EXPECT_EQ(encode(790000.0f, 1), kEncodeExact);
    EXPECT_EQ(encode(469987.5f, 2), kEncodeFailed);
    EXPECT_EQ(encode(790012.5f, 3), kEncodeFailed);
    EXPECT_EQ(frequency(0), 470000.0f);
    EXPECT_EQ(frequency(1), 790000.0f);
    EXPECT_EQ(frequency(2), 0.0f);
}

TEST_F(EncodeTest, ZeroFrequencyInsideTheRangeIsLeftAlone) {
    device.table.MinFreq[0] = 0;
    presetCounters(0, 587, 32);
    EXPECT_EQ(encode(0.0f), kEncodeExact);
    EXPECT_EQ(n(0), 587);
    EXPECT_EQ(a(0), 32);
}

struct SkipCase {
    const char* name;
    int32_t xtal, prescaler;
};

void PrintTo(const SkipCase& c, std::ostream* os) {
    *os << c.name;
}

class SkippedChannelTest : public EncodeTest, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(SkippedChannelTest, NothingIsWritten) {
    device.table.XTAL[0] = GetParam().xtal;
    device.table.Prescaler[0] = GetParam().prescaler;
    EXPECT_EQ(encode(470006.0f), kEncodeExact);
    EXPECT_EQ(frequency(0), 470006.0f);
    EXPECT_FALSE(anyByteChanged());
}

INSTANTIATE_TEST_SUITE_P(Silently, SkippedChannelTest,
                         ::testing::Values(SkipCase{"StepZero", 0, 64},
                                           SkipCase{"PrescalerZero", 12800, 0}));

TEST_F(EncodeTest, DividerZeroStopsTheRunAtThatChannel) {
    for (uint32_t c = 0; c < 16; ++c) {
        device.table.Frequency[0][c] = 470000.0f + 25.0f * static_cast<float>(c);
        presetCounters(c, 1, 1);
    }
    device.table.R[0][3] = 0;
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 0, -1), kEncodeFailed);
    for (uint32_t c = 0; c < 3; ++c) EXPECT_EQ(n(c) * 64 + a(c), 37600 + 2 * int32_t(c)) << c;
    for (uint32_t c = 3; c < 16; ++c) {
        EXPECT_EQ(n(c), 1) << c;
        EXPECT_EQ(a(c), 1) << c;
    }
}

TEST_F(EncodeTest, OnceFailedTheResultStaysFailed) {
    device.table.Frequency[0][0] = 100.0f;     // out of range
    device.table.Frequency[0][1] = 470006.0f;  // snapped
    for (uint32_t c = 2; c < 16; ++c) device.table.Frequency[0][c] = 470000.0f;
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 0, -1), kEncodeFailed);
    EXPECT_EQ(frequency(1), 470000.0f);
}

TEST_F(EncodeTest, OneChannelLeavesTheOthersAlone) {
    device.table.Frequency[0][4] = 470006.0f;
    EXPECT_EQ(encode(470000.0f, 5), kEncodeExact);
    EXPECT_EQ(frequency(4), 470006.0f);
    EXPECT_EQ(n(4), 0);
}

TEST_F(EncodeTest, ArgumentsOutsideTheTableChangeNothing) {
    device.table.Frequency[0][0] = 470006.0f;
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, -1, 0), kEncodeFailed);
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 1, 0), kEncodeFailed);
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 0, -2), kEncodeFailed);
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 0, 16), kEncodeFailed);
    // Counted by the read command but not yet set up.
    device.table.PartitionCount = 2;
    EXPECT_EQ(EncodeChannelFrequencies(device.table, device.map, 1, -1), kEncodeFailed);
    EXPECT_EQ(frequency(0), 470006.0f);
    EXPECT_FALSE(anyByteChanged());
}

TEST_F(EncodeTest, ReceiverWhoseOscillatorWouldRunBelowZeroIsCleared) {
    device.table.MinFreq[0] = 0;
    makeReceiver(10700, false);
    presetCounters(0, 5, 5);
    EXPECT_EQ(encode(5000.0f), kEncodeFailed);
    EXPECT_EQ(frequency(0), 0.0f);
    EXPECT_EQ(n(0), 0);
    EXPECT_EQ(a(0), 0);
}

TEST_F(EncodeTest, AFrequencyThatIsNotANumberIsCleared) {
    EXPECT_EQ(encode(std::numeric_limits<float>::quiet_NaN()), kEncodeFailed);
    EXPECT_EQ(frequency(0), 0.0f);
}

TEST(LoopCount, DropsTheFractionOfAWholeRatio) {
    EXPECT_EQ(loopCount(0.0f), 0u);
    EXPECT_EQ(loopCount(-0.0f), 0u);
    EXPECT_EQ(loopCount(37600.0f), 37600u);
    EXPECT_EQ(loopCount(37600.99f), 37600u);
    // The largest ratio a float holds below 2^32.
    EXPECT_EQ(loopCount(4294967040.0f), 4294967040u);
}

TEST(LoopCount, RefusesWhatTheCountersCannotHold) {
    EXPECT_EQ(loopCount(-0.5f), std::nullopt);
    EXPECT_EQ(loopCount(-1.0f), std::nullopt);
    EXPECT_EQ(loopCount(4294967296.0f), std::nullopt);
    EXPECT_EQ(loopCount(std::numeric_limits<float>::infinity()), std::nullopt);
    EXPECT_EQ(loopCount(std::numeric_limits<float>::quiet_NaN()), std::nullopt);
}

TEST_F(EncodeTest, ChannelCountersAreWrittenUnderTheirOwnKeys) {
    presetCounters(2, 5, 5);
    writeChannelCounters(device.map, 0, 3, 587, 32);
    EXPECT_EQ(n(3), 587);
    EXPECT_EQ(a(3), 32);
    EXPECT_EQ(n(2), 5);
    EXPECT_EQ(a(2), 5);
}

}  // namespace
}  // namespace quorprog
