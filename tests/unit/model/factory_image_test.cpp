#include "model/factory_image.h"

#include <gtest/gtest.h>

#include "channels/channel_test_support.h"
#include "description/default_description.h"

namespace quorprog {
namespace {

DescriptionReader defaultDescription() {
    return DescriptionReader::fromText(defaultDescriptionText());
}

TEST(FactoryImageTest, SingleGroupMemoryRepeatsItsFirst128Bytes) {
    const Bytes image = buildFactoryImage(defaultDescription(), "single group system");
    ASSERT_EQ(image.size(), 256u);
    for (size_t address = 128; address < 256; ++address) {
        EXPECT_EQ(image[address], image[address - 128]) << address;
    }
    EXPECT_EQ(image[91], 176);
    EXPECT_EQ(image[219], 176);
    EXPECT_EQ(std::string(image.begin() + 215, image.begin() + 218), "GPE");
    EXPECT_EQ(std::string(image.begin() + 87, image.begin() + 90), "GPE");
}

TEST(FactoryImageTest, DualGroupIdentifiesItsSecondGroupBy177) {
    const Bytes image = buildFactoryImage(defaultDescription(), "dual group system");
    ASSERT_EQ(image.size(), 256u);
    EXPECT_EQ(image[91], 176);
    EXPECT_EQ(image[219], 177);
    EXPECT_EQ(std::string(image.begin() + 215, image.begin() + 218), "GPE");
}

TEST(FactoryImageTest, CountersOfTheFirstChannelAreTheWorkedExample) {
    // Transmitter, 470000 kHz on 12.5 kHz steps with prescaler 64: N = 587, A = 32.
    const Bytes image = buildFactoryImage(defaultDescription(), "single group system");
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image[0] & 0x7F, 32);                                             // A
    EXPECT_EQ((image[0] >> 7) | (image[1] << 1) | ((image[2] & 3) << 9), 587);  // N
    EXPECT_EQ(image[48] | ((image[49] & 0x3F) << 8), 1024);                     // R
    EXPECT_EQ((image[49] >> 6) & 1, 1);                                         // prescaler 64
    EXPECT_EQ((image[60] << 8) | image[61], 12800);                             // XTAL
    EXPECT_EQ(image[52], 1);                                                    // multiplier
    EXPECT_EQ(image[51], 82);                                                   // transmitter
    EXPECT_EQ((image[56] << 8) | image[57], 470);                               // MinFreq, MHz
    EXPECT_EQ((image[58] << 8) | image[59], 790);                               // MaxFreq, MHz
}

TEST(FactoryImageTest, UnknownModelOrModelWithoutMapGivesNothing) {
    EXPECT_TRUE(buildFactoryImage(defaultDescription(), "no such model").empty());
    const auto description = DescriptionReader::fromText(
        "[MODELS]\nName0=bare\n[bare]\nPartitions=1\nPartition0.Frequencies=16\n");
    EXPECT_TRUE(buildFactoryImage(description, "bare").empty());
}

TEST(FactoryImageTest, AMapThatCannotHoldThePlanGivesNothing) {
    const auto description = DescriptionReader::fromText(
        testing::tinyDescription("Partition0.Fixed0=5>300\nPartition0.N0=1\nPartition0.A0=2"));
    EXPECT_TRUE(buildFactoryImage(description, "tiny").empty());
}

TEST(FactoryImageTest, MemoryAboveOneBankIsWholeBanks) {
    const auto description = DescriptionReader::fromText(
        testing::tinyDescription("MemorySize=600\nPartition0.N0=1\nPartition0.A0=2"));
    EXPECT_EQ(buildFactoryImage(description, "tiny").size(), 768u);
}

}  // namespace
}  // namespace quorprog
