#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "images/change_listing.h"
#include "session_rig.h"

namespace quorprog::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Answer = Prompter::Answer;

const char* const kWriteFailed =
    "Data has NOT written successfully! Please check cable, connections and battery status and "
    "retry!";
const char* const kQuestion = "Are you sure you want to overwrite data to wireless device?";

// A device read, one subtone edited, and the programmer's record cleared for the write.
struct EditedDevice : SessionRig {
    explicit EditedDevice(Bytes memory, std::string_view description = defaultDescriptionText())
        : SessionRig(std::move(memory), description) {
        EXPECT_TRUE(session.read(link));
        const int32_t code = session.memoryMap().ReadMapValue("Partition0.Sub0");
        EXPECT_TRUE(session.memoryMap().WriteMapValue("Partition0.Sub0", code == 9 ? 10 : 9));
        line.commands.clear();
        line.bankReadDelays.clear();
        prompter.clear();
        prompter.answers = {Answer::Yes, Answer::Yes};
    }

    std::set<unsigned> writtenAddresses() const {
        std::set<unsigned> addresses;
        for (const auto& [address, value] : line.writes) addresses.insert(address);
        return addresses;
    }
};

TEST(WriteCommand, WithoutImageAsksToReadFirst) {
    SessionRig rig(factoryDevice("dual group system"));
    EXPECT_FALSE(rig.session.write(rig.link));
    EXPECT_THAT(rig.prompter.messages,
                ElementsAre(box("Please connect you wireless device and read data before to do "
                                "this action!",
                                "WARNING")));
    EXPECT_THAT(rig.line.commands, IsEmpty());
}

TEST(WriteCommand, NoToTheQuestionEndsSilently) {
    EditedDevice rig(factoryDevice("dual group system"));
    rig.prompter.answers = {Answer::No};
    EXPECT_FALSE(rig.session.write(rig.link));
    EXPECT_THAT(rig.prompter.messages,
                ElementsAre(box(kQuestion, "WARNING", Prompter::Buttons::YesNo)));
    EXPECT_THAT(rig.line.commands, IsEmpty());
}

TEST(WriteCommand, ChecksAtTwiceTheReadDelayAndGoesBackToIt) {
    EditedDevice rig(factoryDevice("dual group system"));
    rig.line.minDelay = 100;
    ASSERT_TRUE(rig.session.read(rig.link));
    ASSERT_TRUE(rig.session.memoryMap().WriteMapValue("Partition1.Sub3", 11));
    rig.line.bankReadDelays.clear();
    rig.line.commands.clear();

    EXPECT_TRUE(rig.session.write(rig.link));

    EXPECT_THAT(rig.line.bankReadDelays, ElementsAre(200));
    EXPECT_THAT(rig.line.commandsStartingWith("D "), ElementsAre("D C8\n"));
    EXPECT_EQ(rig.link.GetDelay(), 100);
    EXPECT_EQ(rig.prompter.messages.back(), box("Data successfully written to device!", ""));
    EXPECT_EQ(rig.line.memory, rig.session.image().bytes());
    EXPECT_FALSE(rig.link.IsOpen());
}

TEST(WriteCommand, TheDateStampTakesTheDesktopsDateSeparator) {
    EditedDevice rig(factoryDevice("dual group system"));
    rig.clock = FixedClock({2026, 12, 6}, '.');
    // The write question's preview shows the date the write stores.
    const auto pending = rig.session.pendingChanges();
    const auto date = std::find_if(pending.begin(), pending.end(), [](const ImageChange& change) {
        return change.field == ChangeField::Date;
    });
    ASSERT_NE(date, pending.end());
    EXPECT_EQ(date->newText, "06.12.26");
    EXPECT_TRUE(rig.session.write(rig.link));
    EXPECT_EQ(
        rig.session.memoryMap().ReadEntryText(rig.session.memoryMap().entryOf("Partition0.Date")),
        "06.12.26");
}

// The question's details follow the desktop's decimal separator, like every number on screen.
TEST(WriteCommand, TheQuestionsDetailsTakeTheDesktopsDecimalSeparator) {
    SessionRig rig(factoryDevice("dual group system"));
    DeviceSession session{rig.description,
                          {rig.prompter, rig.progress, rig.log, rig.clock, rig.texts, ","}};
    ASSERT_TRUE(session.read(rig.link));
    ASSERT_TRUE(session.memoryMap().WriteMapValue("Partition0.MinFreq", 480000));
    rig.prompter.clear();
    rig.prompter.answers = {Answer::No};
    EXPECT_FALSE(session.write(rig.link));
    EXPECT_THAT(rig.prompter.lastDetails, ::testing::HasSubstr("480,000-790,000 MHz"));
    EXPECT_EQ(rig.prompter.lastDetails,
              describeImageChanges(session.pendingChanges(), rig.texts, ","));
}

TEST(WriteCommand, DeviceChangedElsewhereIsRefusedBeforeAnyByteIsSent) {
    EditedDevice rig(factoryDevice("dual group system"));
    rig.line.memory[100] ^= 0x5A;  // a byte the program never changed

    EXPECT_FALSE(rig.session.write(rig.link));

    EXPECT_EQ(rig.line.bankReadDelays.size(), 1u);
    EXPECT_THAT(rig.line.writes, IsEmpty());
    EXPECT_EQ(rig.prompter.messages.back(), box(kWriteFailed, "ERROR"));
}

TEST(WriteCommand, ByteTheDeviceDoesNotKeepFailsAtItsReadBack) {
    EditedDevice rig(factoryDevice("dual group system"));
    rig.line.keepsWrites = false;

    EXPECT_FALSE(rig.session.write(rig.link));

    // Bytes that the device already held pass their read-back; the first byte with a new value
    // fails it, and nothing is sent after it.
    ASSERT_FALSE(rig.line.writes.empty());
    for (size_t i = 0; i < rig.line.writes.size(); ++i) {
        const auto [address, value] = rig.line.writes[i];
        EXPECT_EQ(rig.line.memory[address] == value, i + 1 < rig.line.writes.size()) << i;
    }
    EXPECT_EQ(rig.prompter.messages.back(), box(kWriteFailed, "ERROR"));
}

struct BatteryCase {
    const char* name;
    int answer;    // what the programmer says; -1 does not parse
    int shown;     // on the battery gauge
    bool asked;    // the low-battery question comes
    Answer reply;  // the user's answer to it
    bool written;
};

class WriteBattery : public ::testing::TestWithParam<BatteryCase> {};

TEST_P(WriteBattery, LowOrUnknownLevelAsksWhetherToGoOn) {
    const BatteryCase& c = GetParam();
    EditedDevice rig(factoryDevice("dual group system"));
    rig.line.battery = c.answer;
    rig.prompter.answers = {Answer::Yes, c.reply};
    int shown = -99;

    EXPECT_EQ(rig.session.write(rig.link, [&](int level) { shown = level; }), c.written);

    EXPECT_EQ(shown, c.shown);
    const std::string question =
        "The battery on the programmer is almost depleted! Please replace it or the program "
        "operation could be faulty! Do you want to continue anyway?";
    EXPECT_EQ(rig.prompter.messages.size(), c.asked ? 3u : 2u);
    if (c.asked) {
        EXPECT_EQ(rig.prompter.messages[1], box(question, "WARNING", Prompter::Buttons::YesNo));
    }
    EXPECT_EQ(rig.line.writes.empty(), !c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, WriteBattery,
    ::testing::Values(BatteryCase{"Full", 7, 7, false, Answer::No, true},
                      BatteryCase{"Two", 2, 2, false, Answer::No, true},
                      BatteryCase{"OneRefused", 1, 1, true, Answer::No, false},
                      BatteryCase{"OneAccepted", 1, 1, true, Answer::Yes, true},
                      BatteryCase{"Unparsable", -1, 0, true, Answer::No, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteCommand, SingleGroupDeviceComparesAndWritesItsFirst128BytesOnly) {
    EditedDevice rig(factoryDevice("single group system", 128));
    rig.session.image().bytes()[200] ^= 0x33;  // beyond the memory: neither compared nor sent

    EXPECT_TRUE(rig.session.write(rig.link));

    // The subtone of channel 0 and the eight date bytes, each written and read back.
    EXPECT_EQ(rig.writtenAddresses(), (std::set<unsigned>{79, 80, 81, 82, 83, 84, 85, 86, 101}));
    EXPECT_EQ(rig.line.commandsStartingWith("R ").size(), 9u);
    const Bytes& image = rig.session.image().bytes();
    EXPECT_EQ(std::string(image.begin() + 79, image.begin() + 87), "06/12/26");
    EXPECT_TRUE(std::equal(rig.line.memory.begin(), rig.line.memory.end(), image.begin()));
}

TEST(WriteCommand, SecondWriteSendsTheSameBytesAgain) {
    EditedDevice rig(factoryDevice("dual group system"));
    ASSERT_TRUE(rig.session.write(rig.link));
    const auto first = rig.line.writes;
    rig.line.writes.clear();
    rig.prompter.answers = {Answer::Yes};

    ASSERT_TRUE(rig.session.write(rig.link));

    EXPECT_FALSE(first.empty());
    EXPECT_EQ(rig.line.writes, first);
    EXPECT_TRUE(rig.session.image().isChanged(101));
}

struct UnsizedMapCase {
    const char* name;
    std::string description;
    bool written;
};

class UnsizedMemoryMap : public ::testing::TestWithParam<UnsizedMapCase> {};

// A memory map without MemorySize compares and writes nothing. When the image holds changes,
// they cannot reach the device, and the write must not say it succeeded.
TEST_P(UnsizedMemoryMap, WritesNothingAndSucceedsOnlyWithNothingToSend) {
    SessionRig rig(factoryDevice("dual group system"), GetParam().description);
    ASSERT_TRUE(rig.session.read(rig.link));
    ASSERT_EQ(rig.session.memorySize(), 0u);
    rig.prompter.clear();
    rig.prompter.answers = {Answer::Yes};

    EXPECT_EQ(rig.session.write(rig.link), GetParam().written);

    EXPECT_THAT(rig.line.writes, IsEmpty());
    EXPECT_EQ(rig.prompter.messages.back().text,
              GetParam().written ? "Data successfully written to device!" : kWriteFailed);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, UnsizedMemoryMap,
    ::testing::Values(UnsizedMapCase{"DatesToStamp", editedDescription("MemorySize=256\r\n", ""),
                                     false},
                      UnsizedMapCase{"NothingChanged",
                                     editedDescription("MemorySize=256\r\n", "",
                                                       editedDescription(".Date", ".Undated")),
                                     true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorprog::testing
