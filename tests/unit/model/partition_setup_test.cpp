#include "model/partition_setup.h"

#include <gtest/gtest.h>

#include <array>

#include "channels/channel_test_support.h"
#include "model/factory_image.h"
#include "description/default_description.h"

namespace quorprog {
namespace {

using testing::Device;
using testing::RecordingPrompter;
using testing::tinyDescription;

const MessageText kCorrupt{
    "Memory content seems to be corrupt!\nCheck cable and connections, then retry!", "ERROR"};

bool setUp(Device& device, const std::string& model) {
    device.table.PartitionCount =
        static_cast<uint32_t>(device.description.readInteger(model, "Partitions", 0));
    return SetUpPartitions(model, device.table, device.map, device.prompter, device.log, kCorrupt);
}

// The trace of the 16 channels of a factory group, whose subtones are choices 0 to 15.
std::string factoryChannelTrace() {
    constexpr std::array<const char*, 16> kCodes{"00", "09", "0A", "0B", "0D", "0E", "0F", "10",
                                                 "11", "12", "13", "14", "15", "16", "17", "18"};
    constexpr std::array<const char*, 16> kChannels{"00", "01", "02", "03", "04", "05", "06", "07",
                                                    "08", "09", "0A", "0B", "0C", "0D", "0E", "0F"};
    std::string trace;
    for (size_t c = 0; c < 16; ++c) {
        trace += "R" + std::to_string(c) + ":    1024 - Sub" + std::to_string(c) + "    " +
                 kCodes[c] + " - Computing frequency " + kChannels[c] + " - ";
    }
    return trace;
}

constexpr std::array<float, 16> kPlanOffsets{0,    400,  1075, 1850, 2650, 3500,  4325,  5225,
                                             6075, 7000, 7875, 8825, 9700, 10675, 11600, 12600};

class FactoryDeviceTest : public ::testing::Test {
  protected:
    FactoryDeviceTest() : device(defaultDescriptionText()) {}

    void load(const std::string& model) {
        device.image.bytes() = buildFactoryImage(device.description, model);
        ASSERT_EQ(device.image.size(), 256u);
    }

    Device device;
};

TEST_F(FactoryDeviceTest, SingleGroupTransmitterTracesOneLine) {
    load("single group system");
    ASSERT_TRUE(setUp(device, "single group system"));
    EXPECT_EQ(device.log.text(),
              "Partition 0: - XTAL:    12800 - Prescaler:    64 - Multiplier:    1 - "
              "TYPE:    TRANSMITTER - IF:    UNSPECIFIED - * using standard value 0 - "
              "OSC POSITION:    UNSPECIFIED - * using standard value 0 - "
              "MinFreq:    470000 - MaxFreq:    790000 - "
              "Option \"double click\": enabled - Option \"DDC option\": no - " +
                  factoryChannelTrace());
    EXPECT_TRUE(device.prompter.messages.empty());
}

TEST_F(FactoryDeviceTest, SingleGroupFillsTheTable) {
    load("single group system");
    ASSERT_TRUE(setUp(device, "single group system"));
    const ChannelTable& table = device.table;
    EXPECT_EQ(table.MemoryMapName, "DEFAULTMAP1PART");
    ASSERT_EQ(table.allocatedPartitions(), 1u);
    EXPECT_EQ(table.FrequencyCount[0], 16u);
    EXPECT_EQ(table.XTAL[0], 12800);
    EXPECT_EQ(table.Prescaler[0], 64);
    EXPECT_EQ(table.Multiplier[0], 1);
    EXPECT_EQ(table.IsReceiver[0], 0);
    EXPECT_EQ(table.IF[0], 0);
    EXPECT_EQ(table.MinFreq[0], 470000u);
    EXPECT_EQ(table.MaxFreq[0], 790000u);
    for (size_t c = 0; c < 16; ++c) {
        EXPECT_EQ(table.Frequency[0][c], 470000.0f + kPlanOffsets[c]) << c;
        EXPECT_EQ(table.R[0][c], 1024) << c;
        EXPECT_EQ(table.SubtoneIndex[0][c], c) << c;
    }
    EXPECT_EQ(table.XtalDividers.ValueCount(0), 5);
    EXPECT_EQ(table.XtalDividers.ValueAt(0, 4), 512);
    EXPECT_EQ(table.SubtoneTables.SubtoneCount(0), 23);
    ASSERT_NE(table.Options[0], nullptr);
    EXPECT_EQ(table.Options[0]->Name, "double click");
    EXPECT_EQ(table.Options[0]->Address, "127[3]");
    EXPECT_EQ(table.Options[0]->Choices->size(), 2u);
    ASSERT_NE(table.Options[0]->Next, nullptr);
    EXPECT_EQ(table.Options[0]->Next->Name, "DDC option");
    EXPECT_EQ(table.Options[0]->Next->Next, nullptr);
}

TEST_F(FactoryDeviceTest, DualGroupReceiverTracesBothPartitionsOnOneLine) {
    load("dual group system");
    ASSERT_TRUE(setUp(device, "dual group system"));
    const std::string receiverHead =
        "XTAL:    12800 - Prescaler:    64 - Multiplier:    1 - TYPE:    RECEIVER - "
        "IF:    10700 - OSC POSITION:  OSC < RF - MinFreq:    470000 - MaxFreq:    790000 - ";
    EXPECT_EQ(device.log.text(),
              "Partition 0: - " + receiverHead +
                  "Option \"double click\": enabled - Option \"DDC option\": no - " +
                  factoryChannelTrace() + "Partition 1: - " + receiverHead + factoryChannelTrace());
}

TEST_F(FactoryDeviceTest, DualGroupFrequenciesComeBackThroughTheIf) {
    load("dual group system");
    ASSERT_TRUE(setUp(device, "dual group system"));
    const ChannelTable& table = device.table;
    ASSERT_EQ(table.allocatedPartitions(), 2u);
    EXPECT_EQ(table.IF[1], 10700);
    EXPECT_EQ(table.IsReceiver[1], 1);
    EXPECT_EQ(table.OSCoverRF[1], 0);
    EXPECT_EQ(table.Options[1], nullptr);
    for (size_t c = 0; c < 16; ++c) {
        EXPECT_EQ(table.Frequency[0][c], 470000.0f + kPlanOffsets[c]) << c;
        EXPECT_EQ(table.Frequency[1][c], 606000.0f + kPlanOffsets[c]) << c;
    }
}

TEST_F(FactoryDeviceTest, DualGroupAfterSingleGroupReplacesTheWholeTable) {
    load("single group system");
    ASSERT_TRUE(setUp(device, "single group system"));
    device.table.PartitionCount = 2;
    load("dual group system");
    ASSERT_TRUE(setUp(device, "dual group system"));
    EXPECT_EQ(device.table.allocatedPartitions(), 2u);
    EXPECT_EQ(device.table.SubtoneTables.count(), 2u);
    EXPECT_EQ(device.table.XtalDividers.ValueCount(0), 5);  // not 10: the old list was cleared
    EXPECT_EQ(device.table.MemoryMapName, "DEFAULTMAP2PART");
}

TEST_F(FactoryDeviceTest, SubtoneThatCannotBeDecodedIsLookedUpAs255) {
    load("single group system");
    device.image.bytes().resize(100);  // byte 101, Sub0, lies outside the image
    const bool ok = setUp(device, "single group system");
    EXPECT_NE(device.log.text().find("Sub0    FFFFFFFF - Computing frequency 00 - "),
              std::string::npos);
    EXPECT_EQ(device.table.SubtoneIndex[0][0], 22);  // "not allowed"
    EXPECT_EQ(device.table.SubtoneTables.SubtoneName(0, 22), "not allowed");
    EXPECT_TRUE(ok);
}

TEST_F(FactoryDeviceTest, UnknownSubtoneCodeFailsTheSetUpButItRunsToTheEnd) {
    load("single group system");
    device.image.bytes()[101] = 12;
    EXPECT_FALSE(setUp(device, "single group system"));
    EXPECT_NE(device.log.text().find("Sub0    0C - Subcode unknown - Computing frequency 00 - R1:"),
              std::string::npos);
    EXPECT_EQ(device.table.SubtoneIndex[0][0], 0);
    EXPECT_EQ(device.table.Frequency[0][15], 470000.0f + kPlanOffsets[15]);
    ASSERT_EQ(device.prompter.messages.size(), 1u);
    EXPECT_EQ(device.prompter.messages[0],
              (RecordingPrompter::Message{kCorrupt.text, kCorrupt.caption, Prompter::Buttons::Ok,
                                          Prompter::Icon::None}));
}

TEST_F(FactoryDeviceTest, ErasedCountersGiveNoFrequency) {
    load("single group system");
    // N of channel 0 (bit 7 of byte 0, byte 1, bits 0-1 of byte 2) becomes 0; A stays 32.
    device.image.bytes()[0] &= 0x7F;
    device.image.bytes()[1] = 0;
    device.image.bytes()[2] &= ~3;
    ASSERT_TRUE(setUp(device, "single group system"));
    EXPECT_EQ(device.table.Frequency[0][0], 0.0f);
}

TEST(SetUpTest, ModelWithoutMemoryMapFailsSilently) {
    Device device(tinyDescription("", 1, "Memorymap="));
    device.table.MemoryMapName = "stale";
    EXPECT_FALSE(setUp(device, "tiny"));
    EXPECT_TRUE(device.prompter.messages.empty());
    EXPECT_EQ(device.log.text(), "");
    EXPECT_EQ(device.table.MemoryMapName, "");
}

TEST(SetUpTest, EverythingUnspecifiedTakesTheStandardValues) {
    Device device(tinyDescription("Partition0.N0=1\nPartition0.A0=2"));
    device.image.bytes()[1] = 200;
    ASSERT_TRUE(setUp(device, "tiny"));
    EXPECT_EQ(device.log.text(),
              "Partition 0: - XTAL:    UNSPECIFIED - * using standard value 12800 - "
              "Prescaler:    UNSPECIFIED - * using standard value 64 - "
              "Multiplier:    UNSPECIFIED - * using standard value 1 - "
              "TYPE:    UNSPECIFIED - * using standard value 1 - "
              "IF:    UNSPECIFIED - * using standard value 0 - "
              "OSC POSITION:    UNSPECIFIED - * using standard value 0 - "
              "MinFreq:    UNSPECIFIED - * using standard value 0 - "
              "MaxFreq:    UNSPECIFIED - * using standard value 0 - "
              "R0    UNSPECIFIED - * using standard value 1024 - "
              "Sub0    UNSPECIFIED - * using standard value \"none\" - "
              "Computing frequency 00 - ");
    EXPECT_EQ(device.table.XTAL[0], 12800);
    EXPECT_EQ(device.table.IsReceiver[0], 1);
    EXPECT_EQ(device.table.R[0][0], 1024);
    EXPECT_EQ(device.table.Frequency[0][0], 12.5f * 200 * 64);
}

struct TraceCase {
    const char* name;
    const char* mapLines;
    uint8_t byte10, byte11;
    const char* fragment;  // found in the trace
    bool ok;
};

void PrintTo(const TraceCase& c, std::ostream* os) {
    *os << c.name;
}

class SetUpTraceTest : public ::testing::TestWithParam<TraceCase> {};

// One channel; bytes 10 and 11 of the image hold the test's values.
TEST_P(SetUpTraceTest, ParameterFindsItsPath) {
    const TraceCase& c = GetParam();
    Device device(tinyDescription(c.mapLines));
    device.image.bytes()[10] = c.byte10;
    device.image.bytes()[11] = c.byte11;
    EXPECT_EQ(setUp(device, "tiny"), c.ok);
    EXPECT_NE(device.log.text().find(c.fragment), std::string::npos) << device.log.text();
    EXPECT_EQ(device.prompter.messages.size(), c.ok ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    MissingAndUnspecified, SetUpTraceTest,
    ::testing::Values(
        TraceCase{"XtalLocated", "Partition0.XTAL=10", 100, 0, "XTAL:    100 - Prescaler", true},
        TraceCase{"XtalZeroIsMissing", "Partition0.XTAL=10", 0, 0,
                  "Partition 0: - XTAL:    MISSING - Prescaler:    UNSPECIFIED", false},
        TraceCase{"XtalFromFirstSubKey", "Partition0.XTAL_0=10\nPartition0.XTAL_1=11", 100, 50,
                  "XTAL:    100 - ", true},
        TraceCase{"PrescalerUndecodableIsMissing", "Partition0.Prescaler=x", 0, 0,
                  "Prescaler:    MISSING - Multiplier", false},
        TraceCase{"MultiplierZeroIsMissing", "Partition0.Multiplier=10", 0, 0,
                  "Multiplier:    MISSING - ", false},
        TraceCase{"TransmitterByteZero", "Partition0.IsReceiver=10", 0, 0,
                  "TYPE:    TRANSMITTER - IF:    UNSPECIFIED - * using standard value 0 - "
                  "OSC POSITION:    UNSPECIFIED",
                  true},
        TraceCase{"ReceiverAnyNonZero", "Partition0.IsReceiver=10", 7, 0,
                  "TYPE:    RECEIVER - IF:    UNSPECIFIED", true},
        TraceCase{"TypeUndecodableIsMissingAndTransmitter",
                  "Partition0.IsReceiver=x\nPartition0.IF=11", 0, 9,
                  "TYPE:    MISSING - IF:    UNSPECIFIED - * using standard value 0 - ", false},
        TraceCase{"ReceiverIfZeroIsMissing", "Partition0.IF=10", 0, 0, "IF:    MISSING - ", false},
        TraceCase{"ReceiverIfLocated", "Partition0.IF=10", 107, 0, "IF:    107 - OSC", true},
        TraceCase{"TransmitterIgnoresLocatedIf", "Partition0.IsReceiver=11\nPartition0.IF=10", 50,
                  0, "TRANSMITTER - IF:    UNSPECIFIED - * using standard value 0 - ", true},
        TraceCase{"IfFromFirstSubKeyOnly", "Partition0.IF_0=x\nPartition0.IF_1=10", 107, 0,
                  "IF:    MISSING - ", false},
        TraceCase{"OscAboveRf", "Partition0.OSCoverRF=10", 3, 0,
                  "OSC POSITION:  OSC > RF - MinFreq", true},
        TraceCase{"OscBelowRf", "Partition0.OSCoverRF=10", 0, 0, "OSC POSITION:  OSC < RF - ",
                  true},
        TraceCase{"OscUndecodableIsMissing", "Partition0.OSCoverRF=x", 0, 0,
                  "OSC POSITION:    MISSING - ", false},
        TraceCase{"MinFreqZeroIsMissing", "Partition0.MinFreq=10", 0, 0, "MinFreq:    MISSING - ",
                  false},
        TraceCase{"MaxFreqLocated", "Partition0.MaxFreq=10,11", 0x10, 0x27,
                  "MaxFreq:    10000 - R0", true},
        TraceCase{"DividerLocated", "Partition0.R0=10", 8, 0, "R0:    8 - Sub0", true},
        TraceCase{"DividerFromFirstSubKey", "Partition0.R0_0=10", 8, 0, "R0:    8 - ", true},
        TraceCase{"DividerZeroIsMissing", "Partition0.R0=10", 0, 0, "R0:    MISSING - Sub0", false},
        TraceCase{"SubtoneLocated", "Partition0.Sub0=10", 9, 0, "Sub0    09 - Computing", true},
        TraceCase{"SubtoneCode12IsUnknown", "Partition0.Sub0=10", 12, 0,
                  "Sub0    0C - Subcode unknown - ", false},
        TraceCase{"SubtoneUndecodableIsNotAllowed", "Partition0.Sub0=x", 0, 0,
                  "Sub0    FFFFFFFF - Computing", true}));

TEST(SetUpTest, SubtoneFoundBeyondTheByteOfAPositionIsUnknown) {
    // 300 choices: code 7 first appears at position 260, which a one-byte position cannot hold.
    std::string subtones = "[MANY]\n";
    for (int i = 0; i < 300; ++i) {
        const int code = i == 260 ? 7 : (i % 2 == 0 ? 1 : 2);
        subtones += "String" + std::to_string(i) + "=t" + std::to_string(i) + "\nCode" +
                    std::to_string(i) + "=" + std::to_string(code) + "\n";
    }
    Device device(
        tinyDescription("Partition0.Sub0=10\n" + subtones, 1, "Partition0.Subtones=MANY"));
    device.image.bytes()[10] = 7;
    EXPECT_FALSE(setUp(device, "tiny"));
    EXPECT_NE(device.log.text().find("Sub0    07 - Subcode unknown - "), std::string::npos);
    EXPECT_EQ(device.table.SubtoneIndex[0][0], 0);
}

TEST(SetUpTest, StoredValuesFollowTheirPaths) {
    Device device(
        tinyDescription("Partition0.IsReceiver=10\nPartition0.OSCoverRF=11\n"
                        "Partition0.IF=11\nPartition0.Sub0=12"));
    device.image.bytes()[10] = 5;
    device.image.bytes()[11] = 9;
    device.image.bytes()[12] = 10;
    ASSERT_TRUE(setUp(device, "tiny"));
    EXPECT_EQ(device.table.IsReceiver[0], 1);
    EXPECT_EQ(device.table.OSCoverRF[0], 1);
    EXPECT_EQ(device.table.IF[0], 9);
    EXPECT_EQ(device.table.SubtoneIndex[0][0], 2);  // code 10 is "94.8 Hz"
}

TEST(SetUpTest, PartitionWithoutXtalDividerIsReportedAndFails) {
    Device device(tinyDescription("[NODIVIDER]\nXTAL=12800\nXTALDivider1=1024", 1,
                                  "Partition0.PLL=NODIVIDER"));
    EXPECT_FALSE(setUp(device, "tiny"));
    ASSERT_EQ(device.prompter.messages.size(), 2u);
    EXPECT_EQ(device.prompter.messages[0],
              (RecordingPrompter::Message{"No XTAL divider loaded for partition 0!", "ERROR",
                                          Prompter::Buttons::Ok, Prompter::Icon::Error}));
    EXPECT_EQ(device.prompter.messages[1].text, kCorrupt.text);
    EXPECT_EQ(device.table.XtalDividers.ValueCount(0), -1);
    EXPECT_NE(device.log.text().find("R0    UNSPECIFIED - * using standard value 0 - "),
              std::string::npos);
}

TEST(SetUpTest, PartitionWithoutSubtoneSectionIsReportedAndFails) {
    Device device(tinyDescription("", 1, "Partition0.Subtones="));
    EXPECT_FALSE(setUp(device, "tiny"));
    ASSERT_EQ(device.prompter.messages.size(), 2u);
    EXPECT_EQ(device.prompter.messages[0],
              (RecordingPrompter::Message{"Subtones section missing for partition 0", "ERROR",
                                          Prompter::Buttons::Ok, Prompter::Icon::Error}));
    EXPECT_NE(device.log.text().find("Sub0    UNSPECIFIED - * using standard value \"\" - "),
              std::string::npos);
}

TEST(SetUpTest, SubtoneSectionThatDoesNotExistGivesAnEmptyListQuietly) {
    Device device(tinyDescription("", 1, "Partition0.Subtones=NOSUCHSECTION"));
    EXPECT_TRUE(setUp(device, "tiny"));
    EXPECT_TRUE(device.prompter.messages.empty());
    EXPECT_EQ(device.table.SubtoneTables.SubtoneCount(0), -1);
}

TEST(SetUpTest, OptionSectionWithoutNameIsReportedAndKeptInTheChain) {
    Device device(
        tinyDescription("", 1, "Partition0.Option0=NOSUCHSECTION\nPartition0.Option1=HALO7-DC"));
    EXPECT_FALSE(setUp(device, "tiny"));
    EXPECT_EQ(device.prompter.messages[0],
              (RecordingPrompter::Message{"Options section missing for partition 0", "ERROR",
                                          Prompter::Buttons::Ok, Prompter::Icon::Error}));
    ASSERT_NE(device.table.Options[0], nullptr);
    EXPECT_EQ(device.table.Options[0]->Name, "");
    ASSERT_NE(device.table.Options[0]->Next, nullptr);
    EXPECT_EQ(device.table.Options[0]->Next->Name, "double click");
}

struct OptionCase {
    uint8_t byte10;
    const char* fragment;
    int32_t index;
};

class OptionSetUpTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionSetUpTest, TheImageSelectsTheChoice) {
    Device device(
        tinyDescription("[ODD]\nName=odd\nAddress=10\nString0=five\nCode0=5\nString1=six\nCode1=6",
                        1, "Partition0.Option0=ODD"));
    device.image.bytes()[10] = GetParam().byte10;
    EXPECT_TRUE(setUp(device, "tiny"));
    EXPECT_NE(device.log.text().find(GetParam().fragment), std::string::npos) << device.log.text();
    EXPECT_EQ(device.table.Options[0]->Index, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, OptionSetUpTest,
    ::testing::Values(
        OptionCase{
            6, "MaxFreq:    UNSPECIFIED - * using standard value 0 - Option \"odd\": six - R0", 1},
        OptionCase{7, "Option \"odd\" invalid code! - * leaving present value - R0", 0}));

TEST(SetUpTest, PartitionWithoutChannelsTracesNoChannel) {
    Device device(tinyDescription("", 0));
    EXPECT_TRUE(setUp(device, "tiny"));
    EXPECT_EQ(device.table.FrequencyCount[0], 0u);
    EXPECT_EQ(device.log.text().find("R0"), std::string::npos);
    EXPECT_EQ(device.log.text().find("Computing"), std::string::npos);
}

TEST(SetUpTest, ChannelCountBeyondTheLimitIsRefused) {
    Device device(tinyDescription("", 1, "Partition0.Frequencies=2000000000"));
    EXPECT_FALSE(setUp(device, "tiny"));
    EXPECT_EQ(device.table.FrequencyCount[0], 0u);
    ASSERT_EQ(device.prompter.messages.size(), 2u);
    EXPECT_EQ(device.prompter.messages[0].text, "Too many channels for partition 0!");
}

TEST(SetUpTest, PartitionCountBeyondTheLimitIsRefused) {
    Device device(tinyDescription(""));
    device.table.PartitionCount = 2000000000;
    EXPECT_FALSE(
        SetUpPartitions("tiny", device.table, device.map, device.prompter, device.log, kCorrupt));
    EXPECT_EQ(device.table.allocatedPartitions(), 0u);
    ASSERT_EQ(device.prompter.messages.size(), 2u);
    EXPECT_EQ(device.prompter.messages[0].text, "Too many partitions in model tiny!");
}

TEST(SetUpTest, NegativeChannelCountIsNoChannel) {
    Device device(tinyDescription("", 1, "Partition0.Frequencies=-5"));
    EXPECT_TRUE(setUp(device, "tiny"));
    EXPECT_EQ(device.table.FrequencyCount[0], 0u);
}

}  // namespace
}  // namespace quorprog
