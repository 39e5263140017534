#include "files/import_mapping.h"

#include <gtest/gtest.h>

#include "files/channel_file_table.h"
#include "files_test_support.h"

namespace quorprog {
namespace {

using test::defaultDualGroupTable;
using test::kEnglish;
using test::kFileRead;
using test::kSubtoneUnavailable;
using test::RecordingPrompter;
using test::ShownMessage;

const ShownMessage kDuplicate{
    "It's impossible to import two groups of frequencies to the same destination group!", "ERROR"};

// The subtone of channel c of the file groups below: a position in the description's list that
// is the same in both device groups.
uint8_t subtonePositionOf(uint32_t c) {
    return static_cast<uint8_t>(1 + c % 20);
}

// A file group of n channels at 600000 + c kHz, each on the code of subtonePositionOf(c).
ChannelFileGroup fileGroup(uint32_t channels, uint32_t minFreq, uint32_t maxFreq,
                           uint8_t isReceiver = 0) {
    const ListOfSUBList& subtones = defaultDualGroupTable().SubtoneTables;
    ChannelFileGroup group{isReceiver, minFreq, maxFreq, {}, {}};
    for (uint32_t c = 0; c < channels; ++c) {
        group.frequencies.push_back(600000.0f + c);
        group.subtoneCodes.push_back(subtones.SubtoneCode(0, subtonePositionOf(c)));
    }
    return group;
}

ChannelFile fileOf(std::vector<ChannelFileGroup> groups) {
    ChannelFile file;
    file.modelIdentifier = "OTHERMAP";
    file.groups = std::move(groups);
    return file;
}

std::vector<std::vector<uint32_t>> destinationGroupsOf(const std::vector<ImportRow>& rows) {
    std::vector<std::vector<uint32_t>> groups;
    for (const ImportRow& row : rows) {
        groups.emplace_back();
        for (const ImportDestination& d : row.destinations) groups.back().push_back(d.deviceGroup);
    }
    return groups;
}

// Device: group 0 receiver 470-790 MHz, group 1 transmitter 500-600 MHz.
struct EligibilityCase {
    const char* what;
    uint32_t minFreq;
    uint32_t maxFreq;
    std::vector<uint32_t> destinations;
};

void PrintTo(const EligibilityCase& c, std::ostream* os) {
    *os << c.what;
}

class ImportEligibility : public ::testing::TestWithParam<EligibilityCase> {};

TEST_P(ImportEligibility, OffersTheGroupsWhoseRangeContainsTheFileRange) {
    const ChannelFile file = fileOf({fileGroup(4, GetParam().minFreq, GetParam().maxFreq)});
    EXPECT_EQ(destinationGroupsOf(importRows(file, defaultDualGroupTable(), kEnglish)),
              std::vector<std::vector<uint32_t>>{GetParam().destinations});
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ImportEligibility,
    ::testing::Values(EligibilityCase{"inside both", 510000, 590000, {0, 1}},
                      EligibilityCase{"exactly the second group's range", 500000, 600000, {0, 1}},
                      EligibilityCase{"exactly the first group's range", 470000, 790000, {0}},
                      EligibilityCase{"one kHz above the second group", 500000, 600001, {0}},
                      EligibilityCase{"one kHz below the first group", 469999, 600000, {}},
                      EligibilityCase{"inside no group", 800000, 810000, {}}));

TEST(ImportRows, LabelEachGroupByHexNumberTypeAndRange) {
    std::vector<ChannelFileGroup> groups(17, fileGroup(1, 500000, 512500));
    groups[10].isReceiver = 1;
    const std::vector<ImportRow> rows =
        importRows(fileOf(groups), defaultDualGroupTable(), kEnglish);

    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0].sourceLabel, "Group 0 (Transmitter)");
    EXPECT_EQ(rows[10].sourceLabel, "Group A (Receiver)");
    EXPECT_EQ(rows[16].sourceLabel, "Group 10 (Transmitter)");
    EXPECT_EQ(rows[10].rangeLabel, "500.000-512.500 MHz");
    ASSERT_EQ(rows[0].destinations.size(), 2u);
    EXPECT_EQ(rows[0].destinations[0].label, "Group 0 (Receiver)");
    EXPECT_EQ(rows[0].destinations[1].label, "Group 1 (Transmitter)");
}

TEST(ImportRows, FollowTheSelectedLanguage) {
    LocalTexts italian;
    italian.setCurrentLanguage(1);
    const std::vector<ImportRow> rows =
        importRows(fileOf({fileGroup(1, 500000, 600000, 1)}), defaultDualGroupTable(), italian);
    EXPECT_EQ(rows[0].sourceLabel, "Gruppo 0 (Ricevitore)");
    EXPECT_EQ(rows[0].destinations[1].label, "Gruppo 1 (Trasmettitore)");
}

TEST(ImportRows, FileWithoutGroupsHasNoRows) {
    EXPECT_TRUE(importRows(fileOf({}), defaultDualGroupTable(), kEnglish).empty());
}

class ImportApply : public ::testing::Test {
  protected:
    ImportOutcome apply(const ChannelFile& file, std::vector<int32_t> chosen) {
        return applyImport(file, chosen, table_, prompter_, kEnglish);
    }

    ChannelTable table_ = defaultDualGroupTable();
    const ChannelTable untouched_ = defaultDualGroupTable();
    RecordingPrompter prompter_;
};

TEST_F(ImportApply, ThirtyTwoChannelsFillSixteen) {
    const ChannelFile file = fileOf({fileGroup(32, 500000, 600000)});
    EXPECT_EQ(apply(file, {1}), ImportOutcome::Imported);

    EXPECT_EQ(table_.Frequency[1], std::vector<float>(file.groups[0].frequencies.begin(),
                                                      file.groups[0].frequencies.begin() + 16));
    for (uint32_t c = 0; c < 16; ++c) EXPECT_EQ(table_.SubtoneIndex[1][c], subtonePositionOf(c));
    EXPECT_EQ(table_.Frequency[0], untouched_.Frequency[0]);
    EXPECT_EQ(prompter_.shown, std::vector<ShownMessage>{kFileRead});
}

TEST_F(ImportApply, EightChannelsLeaveTheRestAsTheyWere) {
    const ChannelFile file = fileOf({fileGroup(8, 500000, 600000)});
    EXPECT_EQ(apply(file, {0}), ImportOutcome::Imported);

    for (uint32_t c = 0; c < 16; ++c) {
        if (c < 8) {
            EXPECT_EQ(table_.Frequency[0][c], 600000.0f + c) << c;
            EXPECT_EQ(table_.SubtoneIndex[0][c], subtonePositionOf(c)) << c;
        } else {
            EXPECT_EQ(table_.Frequency[0][c], untouched_.Frequency[0][c]) << c;
            EXPECT_EQ(table_.SubtoneIndex[0][c], untouched_.SubtoneIndex[0][c]) << c;
        }
    }
}

TEST_F(ImportApply, TwoGroupsToOneDestinationCopyNothing) {
    const ChannelFile file = fileOf(
        {fileGroup(4, 500000, 600000), fileGroup(4, 510000, 520000), fileGroup(4, 500000, 600000)});
    EXPECT_EQ(apply(file, {kNoDestination, 1, 1}), ImportOutcome::DuplicateDestination);
    EXPECT_EQ(prompter_.shown, std::vector<ShownMessage>{kDuplicate});
    EXPECT_EQ(table_.Frequency, untouched_.Frequency);
    EXPECT_EQ(table_.SubtoneIndex, untouched_.SubtoneIndex);

    // The user changes the choice and presses "Import" again.
    prompter_.shown.clear();
    EXPECT_EQ(apply(file, {kNoDestination, 1, 0}), ImportOutcome::Imported);
    EXPECT_EQ(table_.Frequency[0][0], 600000.0f);
    EXPECT_EQ(table_.Frequency[1][0], 600000.0f);
    EXPECT_EQ(prompter_.shown, std::vector<ShownMessage>{kFileRead});
}

TEST_F(ImportApply, NothingChosenClosesSilently) {
    const ChannelFile file = fileOf({fileGroup(4, 500000, 600000), fileGroup(4, 500000, 600000)});
    EXPECT_EQ(apply(file, {kNoDestination, kNoDestination}), ImportOutcome::NothingChosen);
    EXPECT_EQ(apply(file, {}), ImportOutcome::NothingChosen);
    EXPECT_EQ(apply(fileOf({}), {}), ImportOutcome::NothingChosen);
    EXPECT_TRUE(prompter_.shown.empty());
    EXPECT_EQ(table_.Frequency, untouched_.Frequency);
}

TEST_F(ImportApply, GroupWithoutEligibleDestinationIsNeverCopied) {
    const ChannelFile file = fileOf({fileGroup(4, 800000, 810000)});
    EXPECT_EQ(apply(file, {0}), ImportOutcome::NothingChosen);
    EXPECT_EQ(apply(file, {7}), ImportOutcome::NothingChosen);
    EXPECT_EQ(table_.Frequency, untouched_.Frequency);
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ImportApply, ReceiverGroupGoesIntoATransmitterGroup) {
    const ChannelFile file = fileOf({fileGroup(16, 500000, 600000, 1)});
    EXPECT_EQ(apply(file, {1}), ImportOutcome::Imported);
    EXPECT_EQ(table_.Frequency[1], file.groups[0].frequencies);
    EXPECT_EQ(table_.IsReceiver[1], 0);  // the device's header stays as read
}

TEST_F(ImportApply, UnknownSubtoneCodesGiveOneMessageInAll) {
    ChannelFile file = fileOf({fileGroup(4, 500000, 600000), fileGroup(4, 500000, 600000)});
    file.groups[0].subtoneCodes[1] = 0x77;
    file.groups[1].subtoneCodes[2] = 0x78;
    file.groups[1].subtoneCodes[3] = 0x79;
    EXPECT_EQ(apply(file, {0, 1}), ImportOutcome::Imported);

    EXPECT_EQ(table_.SubtoneIndex[0][1], 0);
    EXPECT_EQ(table_.SubtoneIndex[1][2], 0);
    EXPECT_EQ(table_.SubtoneIndex[1][3], 0);
    EXPECT_EQ(table_.SubtoneIndex[0][0], subtonePositionOf(0));
    EXPECT_EQ(prompter_.shown, (std::vector<ShownMessage>{kSubtoneUnavailable, kFileRead}));
}

TEST_F(ImportApply, FrequenciesAreCopiedWithoutAnyCheck) {
    ChannelFile file = fileOf({fileGroup(2, 500000, 600000)});
    file.groups[0].frequencies = {0.0f, 999999.9f};
    EXPECT_EQ(apply(file, {1}), ImportOutcome::Imported);
    EXPECT_EQ(table_.Frequency[1][0], 0.0f);
    EXPECT_EQ(table_.Frequency[1][1], 999999.9f);
}

}  // namespace
}  // namespace quorprog
