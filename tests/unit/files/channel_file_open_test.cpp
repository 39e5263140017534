#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "files/channel_file_commands.h"
#include "files/channel_file_table.h"
#include "files/file_bytes.h"
#include "files_test_support.h"

namespace quorprog {
namespace {

using test::defaultDualGroupTable;
using test::kEnglish;
using test::kFileRead;
using test::kSubtoneUnavailable;
using test::RecordingPrompter;
using test::ShownMessage;

const ShownMessage kCorrupt{"This file seems to be corrupt or not the right kind of file!",
                            "ERROR"};

// What opening a file may change.
struct ChannelValues {
    std::vector<std::vector<float>> frequencies;
    std::vector<std::vector<uint8_t>> subtones;

    friend bool operator==(const ChannelValues&, const ChannelValues&) = default;
};

ChannelValues valuesOf(const ChannelTable& table) {
    return {table.Frequency, table.SubtoneIndex};
}

// The same model after other edits: every channel moved and on another subtone.
ChannelTable editedDualGroupTable() {
    ChannelTable table = defaultDualGroupTable();
    for (uint32_t p = 0; p < table.PartitionCount; ++p) {
        for (uint32_t c = 0; c < table.FrequencyCount[p]; ++c) {
            table.Frequency[p][c] += 1000.0f;
            table.SubtoneIndex[p][c] = 20;
        }
    }
    return table;
}

std::vector<uint8_t> savedBytes(const ChannelTable& table) {
    return serializeChannelFile(channelFileFromTable(table, 1'700'000'000));
}

TEST(ChannelFileSave, TakesEveryValueFromTheTable) {
    ChannelTable table = defaultDualGroupTable();
    table.Frequency[1][3] = 0.0f;
    table.SubtoneIndex[1][4] = 23;  // one past the 23-entry list

    ChannelFile file = channelFileFromTable(table, 42);
    EXPECT_EQ(file.savedAt, 42);
    EXPECT_EQ(file.modelIdentifier, "DEFAULTMAP2PART");
    ASSERT_EQ(file.groups.size(), 2u);
    EXPECT_EQ(file.groups[0].isReceiver, 1);
    EXPECT_EQ(file.groups[1].isReceiver, 0);
    EXPECT_EQ(file.groups[1].minFreq, 500000u);
    EXPECT_EQ(file.groups[1].maxFreq, 600000u);
    EXPECT_EQ(file.groups[1].frequencies, table.Frequency[1]);
    // Positions 0, 1, 2 of the description's list hold the codes 0, 9, 10; position 23 is none.
    EXPECT_EQ(file.groups[1].subtoneCodes[0], 0);
    EXPECT_EQ(file.groups[1].subtoneCodes[1], 9);
    EXPECT_EQ(file.groups[1].subtoneCodes[2], 10);
    EXPECT_EQ(file.groups[1].subtoneCodes[4], 0);
    EXPECT_EQ(serializeChannelFile(file).size(), 231u);
}

TEST(ChannelFileOpen, FileFromTheSameModelGoesInDirectly) {
    ChannelTable saved = defaultDualGroupTable();
    saved.Frequency[0][5] = 0.0f;  // an empty channel stays empty
    ChannelTable loaded = editedDualGroupTable();
    RecordingPrompter prompter;

    OpenResult result = openChannelFile(savedBytes(saved), loaded, prompter, kEnglish);

    EXPECT_EQ(result.outcome, OpenOutcome::Loaded);
    EXPECT_EQ(valuesOf(loaded), valuesOf(saved));
    EXPECT_EQ(prompter.shown, std::vector<ShownMessage>{kFileRead});
}

TEST(ChannelFileOpen, UnknownSubtoneCodesGiveOneBoxPerChannelBeforeTheLast) {
    ChannelFile file = channelFileFromTable(defaultDualGroupTable(), 0);
    file.groups[0].subtoneCodes[2] = 0x77;
    file.groups[1].subtoneCodes[15] = 0x78;
    ChannelTable loaded = editedDualGroupTable();
    RecordingPrompter prompter;

    OpenResult result = openChannelFile(serializeChannelFile(file), loaded, prompter, kEnglish);

    EXPECT_EQ(result.outcome, OpenOutcome::Loaded);
    EXPECT_EQ(loaded.SubtoneIndex[0][2], 0);
    EXPECT_EQ(loaded.SubtoneIndex[1][15], 0);
    EXPECT_EQ(loaded.SubtoneIndex[0][3], 3);
    EXPECT_EQ(prompter.shown,
              (std::vector<ShownMessage>{kSubtoneUnavailable, kSubtoneUnavailable, kFileRead}));
}

struct MismatchCase {
    const char* what;
    std::function<void(ChannelTable&)> changeLoadedModel;
};

void PrintTo(const MismatchCase& c, std::ostream* os) {
    *os << c.what;
}

class ChannelFileMismatch : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(ChannelFileMismatch, GoesToTheImportWithTheTableUnchanged) {
    const std::vector<uint8_t> bytes = savedBytes(defaultDualGroupTable());
    ChannelTable loaded = editedDualGroupTable();
    GetParam().changeLoadedModel(loaded);
    const ChannelValues before = valuesOf(loaded);
    RecordingPrompter prompter;

    OpenResult result = openChannelFile(bytes, loaded, prompter, kEnglish);

    EXPECT_EQ(result.outcome, OpenOutcome::ImportNeeded);
    EXPECT_EQ(result.file.groups.size(), 2u);
    EXPECT_EQ(valuesOf(loaded), before);
    EXPECT_TRUE(prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    HeaderDifferences, ChannelFileMismatch,
    ::testing::Values(MismatchCase{"identifier in another letter case",
                                   [](ChannelTable& t) { t.MemoryMapName = "defaultmap2part"; }},
                      MismatchCase{"one MinFreq", [](ChannelTable& t) { t.MinFreq[1] += 1; }},
                      MismatchCase{"one MaxFreq", [](ChannelTable& t) { t.MaxFreq[0] -= 1; }},
                      MismatchCase{"one type", [](ChannelTable& t) { t.IsReceiver[1] = 1; }},
                      MismatchCase{"one channel count",
                                   [](ChannelTable& t) { t.allocateChannels(1, 15); }},
                      MismatchCase{"group count", [](ChannelTable& t) { t.PartitionCount = 1; }}));

struct IdentifierLengthCase {
    size_t length;
    OpenOutcome outcome;
};

void PrintTo(const IdentifierLengthCase& c, std::ostream* os) {
    *os << c.length << " characters";
}

class ChannelFileIdentifierMatch : public ::testing::TestWithParam<IdentifierLengthCase> {};

TEST_P(ChannelFileIdentifierMatch, MatchesOnlyWhenNotCut) {
    ChannelTable table = defaultDualGroupTable();
    table.MemoryMapName = std::string(GetParam().length, 'M');
    RecordingPrompter prompter;
    EXPECT_EQ(openChannelFile(savedBytes(table), table, prompter, kEnglish).outcome,
              GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ChannelFileIdentifierMatch,
                         ::testing::Values(IdentifierLengthCase{31, OpenOutcome::Loaded},
                                           IdentifierLengthCase{32, OpenOutcome::Loaded},
                                           IdentifierLengthCase{33, OpenOutcome::ImportNeeded}));

TEST(ChannelFileOpen, EveryTruncationIsRefusedWithTheTableUnchanged) {
    const std::vector<uint8_t> bytes = savedBytes(defaultDualGroupTable());
    ChannelTable loaded = editedDualGroupTable();
    const ChannelValues before = valuesOf(loaded);
    for (size_t size = 0; size < bytes.size(); ++size) {
        RecordingPrompter prompter;
        OpenResult result =
            openChannelFile(std::span(bytes).first(size), loaded, prompter, kEnglish);
        EXPECT_EQ(result.outcome, OpenOutcome::Refused) << size;
        EXPECT_EQ(prompter.shown, std::vector<ShownMessage>{kCorrupt}) << size;
        ASSERT_EQ(valuesOf(loaded), before) << size;
    }
}

class ChannelFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() /
            ("files_tests_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    RecordingPrompter prompter_;
};

TEST_F(ChannelFileOnDisk, SavedFileOpensDirectly) {
    const std::filesystem::path path = folder_ / "plan.qvm";
    const ChannelTable saved = defaultDualGroupTable();
    ASSERT_TRUE(saveChannelFile(path, saved, 0, prompter_, kEnglish));
    EXPECT_EQ(std::filesystem::file_size(path), 231u);

    ChannelTable loaded = editedDualGroupTable();
    EXPECT_EQ(openChannelFile(path, loaded, prompter_, kEnglish).outcome, OpenOutcome::Loaded);
    EXPECT_EQ(valuesOf(loaded), valuesOf(saved));
}

TEST_F(ChannelFileOnDisk, SaveReplacesAnExistingFile) {
    const std::filesystem::path path = folder_ / "plan.qvm";
    ASSERT_TRUE(saveChannelFile(path, defaultDualGroupTable(), 0, prompter_, kEnglish));
    ASSERT_TRUE(saveChannelFile(path, editedDualGroupTable(), 0, prompter_, kEnglish));

    ChannelTable loaded = defaultDualGroupTable();
    EXPECT_EQ(openChannelFile(path, loaded, prompter_, kEnglish).outcome, OpenOutcome::Loaded);
    EXPECT_EQ(valuesOf(loaded), valuesOf(editedDualGroupTable()));
    EXPECT_TRUE(prompter_.shown.size() == 1 && prompter_.shown[0] == kFileRead);
}

TEST_F(ChannelFileOnDisk, FileThatCannotBeWrittenIsReported) {
    EXPECT_FALSE(saveChannelFile(folder_ / "missing" / "plan.qvm", defaultDualGroupTable(), 0,
                                 prompter_, kEnglish));
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].caption, "ERROR");
    EXPECT_NE(prompter_.shown[0].text.find("plan.qvm"), std::string::npos);
}

// More groups than any device has, or more bytes than any channel file: corrupt, at once.
TEST_F(ChannelFileOnDisk, FileNoDeviceCouldHaveWrittenIsCorrupt) {
    ChannelFile groups;
    groups.groups.resize(256);
    ASSERT_TRUE(parseChannelFile(serializeChannelFile(groups)).ok());
    groups.groups.resize(257);
    const std::filesystem::path tooManyGroups = folder_ / "groups.qvm";
    ASSERT_TRUE(writeFileBytes(tooManyGroups, serializeChannelFile(groups)));
    const std::filesystem::path tooLarge = folder_ / "video.mp4";
    { std::ofstream(tooLarge) << "not a channel file"; }
    std::filesystem::resize_file(tooLarge, kMaxChannelFileSize + 1);

    ChannelTable loaded = editedDualGroupTable();
    const ChannelValues before = valuesOf(loaded);
    for (const std::filesystem::path& path : {tooManyGroups, tooLarge}) {
        EXPECT_EQ(openChannelFile(path, loaded, prompter_, kEnglish).outcome, OpenOutcome::Refused);
    }
    EXPECT_EQ(valuesOf(loaded), before);
    EXPECT_EQ(prompter_.shown, (std::vector<ShownMessage>{kCorrupt, kCorrupt}));
}

TEST_F(ChannelFileOnDisk, FileThatCannotBeReadIsRefused) {
    ChannelTable loaded = editedDualGroupTable();
    const ChannelValues before = valuesOf(loaded);
    for (const std::filesystem::path& path : {folder_ / "absent.qvm", folder_}) {
        EXPECT_EQ(openChannelFile(path, loaded, prompter_, kEnglish).outcome, OpenOutcome::Refused);
    }
    EXPECT_EQ(valuesOf(loaded), before);
    ASSERT_EQ(prompter_.shown.size(), 2u);
    EXPECT_EQ(prompter_.shown[0].caption, "ERROR");
}

}  // namespace
}  // namespace quorprog
