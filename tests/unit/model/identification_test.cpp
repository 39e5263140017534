#include "model/identification.h"

#include <gtest/gtest.h>

#include "channels/channel_test_support.h"
#include "model/factory_image.h"
#include "description/default_description.h"

namespace quorprog {
namespace {

using testing::Device;
using testing::tinyDescription;

// The built-in description with an image loaded, trying one model at a time as the read does.
class DefaultModelsTest : public ::testing::Test {
  protected:
    DefaultModelsTest() : device(defaultDescriptionText()) {}

    void load(const Bytes& bytes) { device.image.bytes() = bytes; }
    IdentificationResult tryModel(const std::string& model) {
        device.table.MemoryMapName = device.description.readText(model, "Memorymap");
        device.table.PartitionCount =
            static_cast<uint32_t>(device.description.readInteger(model, "Partitions", 0));
        return MatchesImage(device.map, device.table.PartitionCount, model);
    }

    Device device;
};

TEST_F(DefaultModelsTest, SingleGroupImageMatchesTheSingleGroupModel) {
    load(buildFactoryImage(device.description, "single group system"));
    EXPECT_EQ(tryModel("single group system").outcome, Identification::Matches);
}

TEST_F(DefaultModelsTest, Byte219Holding177FailsSingleGroupAndMatchesDualGroup) {
    load(buildFactoryImage(device.description, "dual group system"));
    EXPECT_EQ(tryModel("single group system").outcome, Identification::Differs);
    EXPECT_EQ(tryModel("dual group system").outcome, Identification::Matches);
}

TEST_F(DefaultModelsTest, SingleGroupMemoryIsNotADualGroupDevice) {
    load(buildFactoryImage(device.description, "single group system"));
    EXPECT_EQ(tryModel("dual group system").outcome, Identification::Differs);
}

TEST_F(DefaultModelsTest, TextComparisonCountsCase) {
    Bytes bytes = buildFactoryImage(device.description, "dual group system");
    bytes[216] = 'p';
    load(bytes);
    EXPECT_FALSE(tryModel("dual group system"));
}

TEST_F(DefaultModelsTest, AnErasedDeviceMatchesNoModel) {
    load(Bytes(256, 0xFF));
    EXPECT_FALSE(tryModel("single group system"));
    EXPECT_FALSE(tryModel("dual group system"));
}

struct KeyCase {
    const char* name;
    const char* mapLines;
    uint8_t byte0;
    Identification outcome;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class IdentificationKeyTest : public ::testing::TestWithParam<KeyCase> {};

// The tiny model has one partition of 3 channels; byte 0 of the image holds byte0.
TEST_P(IdentificationKeyTest, EachKeyComparesWithItsOwnValue) {
    Device device(tinyDescription(GetParam().mapLines, 3));
    device.image.bytes()[0] = GetParam().byte0;
    device.image.bytes()[1] = 'Q';
    device.table.MemoryMapName = "MAP";
    device.table.PartitionCount = 1;
    EXPECT_EQ(MatchesImage(device.map, 1, "tiny").outcome, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, IdentificationKeyTest,
    ::testing::Values(
        KeyCase{"NoKeysMatchAnyImage", "", 0x5A, Identification::Matches},
        KeyCase{"PartitionsEqual", "Partition0.Partitions=0", 1, Identification::Matches},
        KeyCase{"PartitionsDiffer", "Partition0.Partitions=0", 2, Identification::Differs},
        KeyCase{"PartitionNumberEqual", "Partition0.PartitionNumber=0", 0, Identification::Matches},
        KeyCase{"PartitionNumberDiffers", "Partition0.PartitionNumber=0", 1,
                Identification::Differs},
        KeyCase{"FrequenciesIsTheChannelCount", "Partition0.Frequencies=0", 3,
                Identification::Matches},
        KeyCase{"FrequenciesIsNotThePartitionNumber", "Partition0.Frequencies=0", 0,
                Identification::Differs},
        KeyCase{"FixedNumber", "Partition0.Fixed0=7>0", 7, Identification::Matches},
        KeyCase{"FixedHexNumber", "Partition0.Fixed0=$2A>0", 42, Identification::Matches},
        KeyCase{"FixedNumberDiffers", "Partition0.Fixed0=7>0", 8, Identification::Differs},
        KeyCase{"FixedText", "Partition0.Fixed0=\"Q\">1", 0, Identification::Matches},
        KeyCase{"FixedTextSkipsZeroBytes", "Partition0.Fixed0=\"Q\">0,1", 0,
                Identification::Matches},
        KeyCase{"LaterFixedDiffers", "Partition0.Fixed0=7>0\nPartition0.Fixed1=\"R\">1", 7,
                Identification::Differs},
        KeyCase{"ChainEndsAtTheFirstGap", "Partition0.Fixed0=7>0\nPartition0.Fixed2=9>0", 7,
                Identification::Matches},
        KeyCase{"MalformedWithoutArrow", "Partition0.Fixed0=7", 7,
                Identification::MalformedDescription},
        KeyCase{"MalformedExpectedValue", "Partition0.Fixed0=GPE>1", 7,
                Identification::MalformedDescription},
        KeyCase{"MalformedAfterAMismatchIsNotReached", "Partition0.Fixed0=8>0\nPartition0.Fixed1=x",
                7, Identification::Differs}));

TEST(IdentificationTest, MalformedValueIsNamedInTheReport) {
    Device device(tinyDescription("Partition0.Fixed0=GPE>87,88,89"));
    device.table.MemoryMapName = "MAP";
    const IdentificationResult result = MatchesImage(device.map, 1, "tiny");
    ASSERT_EQ(result.outcome, Identification::MalformedDescription);
    EXPECT_NE(result.problem.find("Partition0.Fixed0=GPE>87,88,89"), std::string::npos)
        << result.problem;
    EXPECT_NE(result.problem.find("[MAP]"), std::string::npos) << result.problem;
    EXPECT_TRUE(device.prompter.messages.empty());
}

TEST(IdentificationTest, AbsurdPartitionCountStopsTheSearchInsteadOfLoopingForever) {
    Device device(tinyDescription(""));
    device.table.MemoryMapName = "MAP";
    const IdentificationResult result = MatchesImage(device.map, 2000000000, "tiny");
    EXPECT_EQ(result.outcome, Identification::MalformedDescription);
    EXPECT_NE(result.problem.find("\"tiny\""), std::string::npos) << result.problem;
}

}  // namespace
}  // namespace quorprog
