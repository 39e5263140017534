#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session_rig.h"

namespace quorprog::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ReadCommand, SlowProgrammerIsReadWithTheFirstDelayThatWorks) {
    SessionRig rig(factoryDevice("dual group system"));
    rig.line.minDelay = 100;

    ASSERT_TRUE(rig.session.read(rig.link));

    // Bank 0 afresh on every pass; delay 0 sends nothing, the programmer keeps its own.
    EXPECT_THAT(rig.line.bankReadDelays, ElementsAre(0, 50, 100));
    EXPECT_THAT(rig.line.commandsStartingWith("D "), ElementsAre("D 32\n", "D 64\n"));
    EXPECT_EQ(rig.link.GetDelay(), 100);
    EXPECT_THAT(rig.prompter.messages,
                ElementsAre(box("dual group system", "Detected model name")));
    EXPECT_EQ(rig.session.modelName(), "dual group system");
    EXPECT_EQ(rig.session.table().PartitionCount, 2u);
    EXPECT_EQ(rig.session.table().MemoryMapName, "DEFAULTMAP2PART");
    EXPECT_EQ(rig.session.memorySize(), 256u);
    EXPECT_EQ(rig.session.bankSizeKey(), 256);
    EXPECT_EQ(rig.session.bankCount(), 1u);
    EXPECT_EQ(rig.session.image().bytes(), rig.line.memory);
    EXPECT_FALSE(rig.link.IsOpen());
}

TEST(ReadCommand, SingleGroupDeviceIsOneBankOfItsMirroredMemory) {
    SessionRig rig(factoryDevice("single group system", 128));

    ASSERT_TRUE(rig.session.read(rig.link));

    EXPECT_EQ(rig.session.modelName(), "single group system");
    EXPECT_EQ(rig.session.memorySize(), 128u);
    EXPECT_EQ(rig.session.bankCount(), 1u);
    EXPECT_EQ(rig.session.image().size(), 256u);
    EXPECT_THAT(rig.line.commandsStartingWith("B "), ElementsAre("B 0\n"));
}

TEST(ReadCommand, FailedReadLeavesNoImageAndAnEmptyTable) {
    SessionRig rig(factoryDevice("dual group system"));
    ASSERT_TRUE(rig.session.read(rig.link));
    rig.line.memory.assign(256, 0);  // another device that no model describes
    rig.line.bankReadDelays.clear();
    rig.prompter.clear();

    EXPECT_FALSE(rig.session.read(rig.link));

    EXPECT_THAT(rig.line.bankReadDelays, ElementsAre(0, 50, 100, 150, 200));
    EXPECT_FALSE(rig.session.hasImage());
    EXPECT_EQ(rig.session.table().PartitionCount, 0u);
    EXPECT_THAT(rig.session.table().MemoryMapName, IsEmpty());
    EXPECT_THAT(rig.session.table().Frequency, IsEmpty());
    EXPECT_THAT(rig.prompter.messages,
                ElementsAre(box("Memory communication failure!\nCheck cable and connections, "
                                "then retry!",
                                "ERROR")));
}

// Models ahead of the built-in ones: one without partitions and one without a memory map (both
// naming a large memory that would be read if they were tried), then one that fails to match
// after its four banks were read.
constexpr std::string_view kExtraModels =
    "Name0=no partitions\r\nName1=no map\r\nName2=big\r\n"
    "Name3=single group system\r\nName4=dual group system\r\n\r\n"
    "[no partitions]\r\nPartitions=0\r\nMemorymap=BIGMAP\r\n\r\n"
    "[no map]\r\nPartitions=1\r\nMemorymap=\r\n\r\n"
    "[big]\r\nPartitions=1\r\nMemorymap=BIGMAP\r\n\r\n"
    "[BIGMAP]\r\nMemorySize=1024\r\nPartition0.Fixed0=\"ZZZ\">0,1,2\r\n";

TEST(ReadCommand, SkippedModelsReadNothingAndTheBankCountStaysAtItsLargest) {
    SessionRig rig(factoryDevice("dual group system"),
                   editedDescription("Name0=single group system\r\nName1=dual group system\r\n",
                                     kExtraModels));

    ASSERT_TRUE(rig.session.read(rig.link));

    // Only "big" reads further banks, once; the dual-group model keeps its bank count.
    EXPECT_THAT(rig.line.commandsStartingWith("B "),
                ElementsAre("B 0\n", "B 1\n", "B 2\n", "B 3\n"));
    EXPECT_EQ(rig.session.modelName(), "dual group system");
    EXPECT_EQ(rig.session.memorySize(), 256u);
    EXPECT_EQ(rig.session.bankCount(), 4u);
    EXPECT_EQ(rig.session.image().size(), 1024u);
}

TEST(ReadCommand, ImpossibleMemorySizeFailsWithoutReadingFurtherBanks) {
    SessionRig rig(factoryDevice("dual group system"),
                   editedDescription("MemorySize=256", "MemorySize=-1"));

    EXPECT_FALSE(rig.session.read(rig.link));

    EXPECT_THAT(rig.line.commandsStartingWith("B "), ElementsAre("B 0\n"));
    EXPECT_FALSE(rig.session.hasImage());
    EXPECT_EQ(rig.prompter.messages.back().caption, "ERROR");
}

struct LoadCase {
    const char* name;
    Bytes bytes;
    Detection expected;
    const char* model;
};

class SessionLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SessionLoad, RunsTheModelLoopOverBytesAtHand) {
    SessionRig rig({0});
    EXPECT_EQ(rig.session.load(GetParam().bytes), GetParam().expected);
    EXPECT_EQ(rig.session.modelName(), GetParam().model);
    EXPECT_EQ(rig.session.hasImage(), GetParam().expected == Detection::Identified);
    EXPECT_THAT(rig.line.commands, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Images, SessionLoad,
                         ::testing::Values(LoadCase{"dual", factoryDevice("dual group system"),
                                                    Detection::Identified, "dual group system"},
                                           LoadCase{"single", factoryDevice("single group system"),
                                                    Detection::Identified, "single group system"},
                                           LoadCase{"zeros", Bytes(256, 0), Detection::NoModel, ""},
                                           LoadCase{"short", Bytes(100, 0), Detection::BankFailed,
                                                    ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorprog::testing
