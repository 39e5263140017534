#include "channels/channel_table.h"

#include <gtest/gtest.h>

namespace quorprog {
namespace {

TEST(ChannelTableTest, AllocationIsZeroFilled) {
    ChannelTable table;
    table.PartitionCount = 2;
    table.allocatePartitions(2);
    table.allocateChannels(1, 16);
    EXPECT_EQ(table.FrequencyCount[0], 0u);
    EXPECT_EQ(table.FrequencyCount[1], 16u);
    ASSERT_EQ(table.Frequency[1].size(), 16u);
    EXPECT_EQ(table.Frequency[1][15], 0.0f);
    EXPECT_EQ(table.R[1][15], 0);
    EXPECT_EQ(table.SubtoneIndex[1][15], 0);
    EXPECT_EQ(table.XTAL[1], 0);
    EXPECT_EQ(table.Options[1], nullptr);
}

TEST(ChannelTableTest, ClearFreesTheLastSetUpWhateverThePartitionCountSays) {
    ChannelTable table;
    table.PartitionCount = 1;
    table.allocatePartitions(1);
    table.allocateChannels(0, 16);
    table.MemoryMapName = "DEFAULTMAP1PART";
    table.SubtoneTables.AddSubtone(0, "none", 0);
    table.XtalDividers.AddValue(0, 1024);
    AppendOption(table.Options[0]).Name = "double click";

    table.PartitionCount = 2;  // the read command tries the dual-group model next
    table.ClearChannelTable();

    EXPECT_EQ(table.PartitionCount, 2u);
    EXPECT_EQ(table.allocatedPartitions(), 0u);
    EXPECT_TRUE(table.Frequency.empty());
    EXPECT_TRUE(table.Options.empty());
    EXPECT_EQ(table.MemoryMapName, "");
    EXPECT_EQ(table.SubtoneTables.SubtoneCount(0), -1);
    EXPECT_EQ(table.SubtoneTables.SubtoneName(0, 0), "");
    EXPECT_EQ(table.XtalDividers.ValueCount(0), -1);
    EXPECT_FALSE(table.hasPartition(0));
}

TEST(ChannelTableTest, APartitionMustBeCountedAndAllocated) {
    ChannelTable table;
    table.allocatePartitions(2);
    table.PartitionCount = 1;
    EXPECT_TRUE(table.hasPartition(0));
    EXPECT_FALSE(table.hasPartition(1));
    EXPECT_FALSE(table.hasPartition(-1));
    table.PartitionCount = 3;
    EXPECT_TRUE(table.hasPartition(1));
    EXPECT_FALSE(table.hasPartition(2));
}

}  // namespace
}  // namespace quorprog
