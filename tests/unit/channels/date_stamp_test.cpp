#include "channels/date_stamp.h"

#include <gtest/gtest.h>

#include "channel_test_support.h"
#include "description/default_description.h"

namespace quorprog {
namespace {

using testing::Device;

const FixedClock kSixthDecember2026({2026, 12, 6});

std::string bytesAt(const MemoryImage& image, size_t first, size_t count) {
    return std::string(image.bytes().begin() + static_cast<long>(first),
                       image.bytes().begin() + static_cast<long>(first + count));
}

TEST(StampDatesTest, EveryDefaultPartitionGetsTodayInItsEightBytes) {
    Device device(defaultDescriptionText());
    device.table.MemoryMapName = "DEFAULTMAP2PART";
    EXPECT_TRUE(StampDates(device.map, 2, kSixthDecember2026));
    EXPECT_EQ(bytesAt(device.image, 79, 8), "06/12/26");
    EXPECT_EQ(bytesAt(device.image, 207, 8), "06/12/26");
    for (size_t address = 79; address <= 86; ++address)
        EXPECT_TRUE(device.image.isChanged(address));
    EXPECT_FALSE(device.image.isChanged(87));
}

TEST(StampDatesTest, TheClockGivesTheSeparator) {
    Device device(defaultDescriptionText());
    device.table.MemoryMapName = "DEFAULTMAP1PART";
    EXPECT_TRUE(StampDates(device.map, 1, FixedClock({2026, 12, 6}, '.')));
    EXPECT_EQ(bytesAt(device.image, 79, 8), "06.12.26");
}

TEST(StampDatesTest, PartitionLackingEitherKeyGetsNoDate) {
    Device device(testing::tinyDescription(
        "Partition0.Date=0,1,2,3,4,5,6,7\nPartition1.DateFormat=dd/mm/yy\n"
        "Partition1.Date=\nPartition2.Date=10,11\nPartition2.DateFormat=yy"));
    device.table.MemoryMapName = "MAP";
    EXPECT_TRUE(StampDates(device.map, 3, kSixthDecember2026));
    for (size_t address = 0; address < 8; ++address) EXPECT_FALSE(device.image.isChanged(address));
    EXPECT_EQ(bytesAt(device.image, 10, 2), "26");
}

TEST(StampDatesTest, WorksOnAnotherImageWhenGivenOne) {
    Device device(defaultDescriptionText());
    device.table.MemoryMapName = "DEFAULTMAP1PART";
    Bytes other(256, 0);
    EXPECT_TRUE(StampDates(device.map, 1, kSixthDecember2026, &other));
    EXPECT_EQ(std::string(other.begin() + 79, other.begin() + 87), "06/12/26");
    EXPECT_EQ(bytesAt(device.image, 79, 1), std::string(1, '\0'));
}

}  // namespace
}  // namespace quorprog
