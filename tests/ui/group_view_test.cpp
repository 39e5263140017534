#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

#include "channels/partition_keys.h"
#include "commands_test_support.h"
#include "text/text_ids.h"

namespace quorprog::commands_test {
namespace {

class GroupViewTest : public ::testing::Test {
  protected:
    GridRig rig;
};

TEST_F(GroupViewTest, AReadDeviceShowsGroupZeroWithItsChannelsAndInformation) {
    EXPECT_TRUE(rig.grid().isEnabled());
    EXPECT_TRUE(rig.controls.spinGroup->isEnabled());
    EXPECT_EQ(rig.controls.spinGroup->maximum(), 1);
    ASSERT_EQ(rig.grid().rowCount(), 16);
    EXPECT_EQ(rig.cellText(0, 0), "00");
    EXPECT_EQ(rig.cellText(10, 0), "0A");
    EXPECT_EQ(rig.cellText(15, 0), "0F");
    for (int c = 0; c < 16; ++c) {
        const float f = rig.table().Frequency[0][c];
        EXPECT_EQ(rig.cellText(c, 1), f > 0 ? QString::number(f, 'g', 15) : QString()) << c;
        EXPECT_EQ(rig.cellText(c, 2).toStdString(),
                  rig.table().SubtoneTables.SubtoneName(0, rig.table().SubtoneIndex[0][c]));
    }
    EXPECT_EQ(rig.controls.GridComboBox->count(), rig.table().SubtoneTables.SubtoneCount(0));
    EXPECT_EQ(rig.controls.labelRxTx->text().toStdString(), rig.texts.LocalText(text::kReceiver));
    EXPECT_EQ(rig.controls.labelRangeValue->text(), "470.000-790.000 MHz");
    EXPECT_EQ(rig.controls.labelStepValue->text(), "12.500 kHz");
}

TEST_F(GroupViewTest, TheInformationFollowsTheGroupsValues) {
    rig.table().IsReceiver[1] = 0;
    rig.table().MinFreq[1] = 174000;
    rig.table().MaxFreq[1] = 216500;
    for (auto& r : rig.table().R[1]) r = 2560;
    rig.controls.spinGroup->setValue(1);
    EXPECT_EQ(rig.controls.labelRxTx->text().toStdString(),
              rig.texts.LocalText(text::kTransmitter));
    EXPECT_EQ(rig.controls.labelRangeValue->text(), "174.000-216.500 MHz");
    EXPECT_EQ(rig.controls.labelStepValue->text(), "5.000 kHz");
}

TEST_F(GroupViewTest, AGroupWithoutChannelsShowsNoRowsAndNoStep) {
    rig.table().FrequencyCount[1] = 0;
    rig.controls.spinGroup->setValue(1);
    EXPECT_EQ(rig.grid().rowCount(), 0);
    EXPECT_EQ(rig.controls.labelStepValue->text(), "");
    EXPECT_EQ(rig.controls.labelRangeValue->text(), "470.000-790.000 MHz");
}

TEST_F(GroupViewTest, AChannelWithoutFrequencyShowsAnEmptyCell) {
    rig.table().Frequency[0][4] = 0.0f;
    EXPECT_FALSE(rig.view.ShowFrequencies(-1, false));
    EXPECT_EQ(rig.cellText(4, 1), "");
    EXPECT_TRUE(rig.view.ShowFrequencies(5, false));
    EXPECT_EQ(rig.changedBytes(), 0);
}

TEST_F(GroupViewTest, ShowingWithStoreEncodesEveryChannelAfterFillingTheCells) {
    rig.table().Frequency[0][2] = 470006.0f;
    EXPECT_TRUE(rig.view.ShowFrequencies(2, true));
    // The cell keeps the text shown before the encoding moved the frequency.
    EXPECT_EQ(rig.cellText(2, 1), "470006");
    EXPECT_FLOAT_EQ(rig.table().Frequency[0][2], 470000.0f);
    EXPECT_GT(rig.changedBytes(), 0);
    EXPECT_EQ(rig.prompter.beeps, 0);
}

TEST_F(GroupViewTest, ASubtonePositionBeyondTheListShowsEmptyAndStoresCodeZero) {
    rig.table().SubtoneIndex[0][1] = 23;
    EXPECT_FALSE(rig.view.ShowSubtones(-1, true));
    EXPECT_EQ(rig.cellText(1, 2), "");
    EXPECT_EQ(rig.map().ReadMapValue(partitionKey(0, "Sub", 1)), 0);
    const int i = rig.table().SubtoneIndex[0][0];
    EXPECT_EQ(rig.map().ReadMapValue(partitionKey(0, "Sub", 0)),
              rig.table().SubtoneTables.SubtoneCode(0, i));
}

}  // namespace
}  // namespace quorprog::commands_test
