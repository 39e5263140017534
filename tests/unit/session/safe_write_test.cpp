// Backups of the device, the write preview and restore, through the session over a fake
// programmer.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "channels/partition_keys.h"
#include "fakes/temporary_folder.h"
#include "files/file_bytes.h"
#include "images/backup_store.h"
#include "images/change_listing.h"
#include "session/device_backups.h"
#include "session_rig.h"

namespace quorprog::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using Answer = Prompter::Answer;
using OnFailure = DeviceBackups::OnFailure;

// A session whose reads and writes keep backups in a temporary folder.
struct BackedUpRig : SessionRig {
    explicit BackedUpRig(Bytes memory, OnFailure onFailure = OnFailure::AskToGoOn)
        : SessionRig(std::move(memory)), backups(store, clock, prompter, texts, onFailure) {
        session.setBackups(&backups);
    }

    // Two channels of group 0 moved, as two grid edits do.
    void editTwoChannels() {
        MemoryMap& map = session.memoryMap();
        ASSERT_TRUE(map.WriteMapValue(partitionKey(0, "N", 3), 574));
        ASSERT_TRUE(map.WriteMapValue(partitionKey(0, "A", 3), 16));
        ASSERT_TRUE(map.WriteMapValue(partitionKey(0, "Sub", 7), 13));
    }

    Bytes backupBytes(size_t newest) const { return *readFileBytes(store.list().at(newest).file); }

    TemporaryFolder folder;
    BackupStore store{folder.path / "backups"};
    DeviceBackups backups;
};

TEST(SafeWrite, AReadKeepsOneBackupEqualToTheDevice) {
    BackedUpRig rig(factoryDevice("dual group system"));
    ASSERT_TRUE(rig.session.read(rig.link));

    const auto entries = rig.store.list();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind, BackupKind::Read);
    EXPECT_EQ(entries[0].model, "dual group system");
    EXPECT_EQ(rig.backupBytes(0), rig.line.memory);
    EXPECT_EQ(rig.prompter.texts(), std::vector<std::string>{"dual group system"});
}

TEST(SafeWrite, AWriteKeepsTheDeviceBeforeItAndChangesOnlyWhatThePreviewListed) {
    BackedUpRig rig(factoryDevice("dual group system"));
    ASSERT_TRUE(rig.session.read(rig.link));
    rig.editTwoChannels();
    rig.prompter.clear();
    const Bytes deviceBefore = rig.line.memory;
    const auto preview = rig.session.pendingChanges();
    rig.prompter.answers = {Answer::Yes};

    ASSERT_TRUE(rig.session.write(rig.link));

    // The question keeps its text and carries the preview: the two channels and both dates.
    EXPECT_EQ(rig.prompter.messages[0].text,
              "Are you sure you want to overwrite data to wireless device?");
    EXPECT_EQ(rig.prompter.lastDetails, describeImageChanges(preview, rig.texts));
    ASSERT_EQ(preview.size(), 4u);
    EXPECT_EQ(preview[0].field, ChangeField::Frequency);
    EXPECT_EQ(preview[1].field, ChangeField::Subtone);
    EXPECT_EQ(preview[2].field, ChangeField::Date);
    EXPECT_EQ(preview[3].field, ChangeField::Date);

    const auto entries = rig.store.list();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].kind, BackupKind::BeforeWrite);
    EXPECT_EQ(rig.backupBytes(0), deviceBefore);
    EXPECT_EQ(
        listImageChanges(rig.description, "dual group system", rig.backupBytes(0), rig.line.memory),
        preview);
    // The preview's bytes are exactly the flagged bytes that change.
    for (size_t a = 0; a < deviceBefore.size(); ++a) {
        if (deviceBefore[a] != rig.line.memory[a]) EXPECT_TRUE(rig.session.image().isChanged(a));
    }
    // The device as last read is now the one written: nothing is left to change.
    EXPECT_THAT(rig.session.pendingChanges(), IsEmpty());
}

struct UnsavableCase {
    const char* name;
    OnFailure onFailure;
    Answer answer;  // to the question whether to write anyway
    bool written;
};

class UnsavableBackup : public ::testing::TestWithParam<UnsavableCase> {};

TEST_P(UnsavableBackup, AsksOrRefusesBeforeAnyByteIsWritten) {
    const UnsavableCase& c = GetParam();
    BackedUpRig rig(factoryDevice("dual group system"), c.onFailure);
    ASSERT_TRUE(rig.session.read(rig.link));
    rig.editTwoChannels();
    std::filesystem::remove_all(rig.store.folder());
    std::ofstream(rig.store.folder()) << "a file where the folder should be";
    rig.prompter.clear();
    rig.prompter.answers = {Answer::Yes, c.answer};

    EXPECT_EQ(rig.session.write(rig.link), c.written);

    EXPECT_EQ(rig.line.writes.empty(), !c.written);
    ASSERT_EQ(rig.prompter.messages.size(), 3u);
    const auto& backupMessage = rig.prompter.messages[1];
    EXPECT_THAT(backupMessage.text, HasSubstr("The device could not be backed up"));
    EXPECT_THAT(backupMessage.text, HasSubstr(rig.store.folder().string()));
    EXPECT_EQ(backupMessage.buttons, c.onFailure == OnFailure::AskToGoOn ? Prompter::Buttons::YesNo
                                                                         : Prompter::Buttons::Ok);
    EXPECT_EQ(rig.prompter.messages[2].caption, c.written ? "" : "ERROR");
}

INSTANTIATE_TEST_SUITE_P(
    Policies, UnsavableBackup,
    ::testing::Values(UnsavableCase{"WindowAnsweredNo", OnFailure::AskToGoOn, Answer::No, false},
                      UnsavableCase{"WindowAnsweredYes", OnFailure::AskToGoOn, Answer::Yes, true},
                      UnsavableCase{"CommandLine", OnFailure::Refuse, Answer::Yes, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SafeWrite, RestoreTakesOnlyAWholeImageOfTheModelAndTheWriteBringsItBack) {
    BackedUpRig rig(factoryDevice("dual group system"));
    ASSERT_TRUE(rig.session.read(rig.link));
    const Bytes asRead = rig.line.memory;
    Bytes saved = asRead;
    saved[10] ^= 0x04;  // channel 3's counter N
    saved[232] = 13;    // group 1, channel 3's subtone
    saved[100] = 0x77;  // a byte no value uses
    Bytes longer = saved;
    longer.resize(512);
    Bytes corrupt = saved;
    corrupt[60] = 0;  // no reference oscillator: set-up fails

    using Outcome = DeviceSession::RestoreOutcome;
    EXPECT_EQ(rig.session.restore(factoryDevice("single group system")), Outcome::OtherModel);
    EXPECT_EQ(rig.session.restore(longer), Outcome::Unreadable);
    EXPECT_EQ(rig.session.restore(Bytes(saved.begin(), saved.begin() + 40)), Outcome::TooShort);
    EXPECT_EQ(rig.session.restore(corrupt), Outcome::Unreadable);
    EXPECT_EQ(std::count(rig.session.image().changedFlags().begin(),
                         rig.session.image().changedFlags().end(), 1),
              0);

    ASSERT_EQ(rig.session.restore(saved), Outcome::Restored);
    EXPECT_EQ(rig.session.image().bytes(), saved);
    std::set<size_t> flagged;
    for (size_t a = 0; a < saved.size(); ++a) {
        if (rig.session.image().isChanged(a)) flagged.insert(a);
    }
    EXPECT_EQ(flagged, (std::set<size_t>{10, 100, 232}));
    EXPECT_EQ(rig.session.table().SubtoneIndex[1][3], 4);  // 103.5 Hz, code 13

    rig.prompter.answers = {Answer::Yes};
    ASSERT_TRUE(rig.session.write(rig.link));
    const auto left =
        listImageChanges(rig.description, "dual group system", saved, rig.line.memory);
    ASSERT_EQ(left.size(), 2u);  // the dates of both groups, nothing else
    EXPECT_EQ(left[0].field, ChangeField::Date);
    EXPECT_EQ(left[1].field, ChangeField::Date);
}

}  // namespace
}  // namespace quorprog::testing
