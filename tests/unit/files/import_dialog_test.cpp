#include "ui/files/import_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "files_test_support.h"

namespace quorprog {
namespace {

using test::defaultDualGroupTable;
using test::kEnglish;
using test::kFileRead;
using test::RecordingPrompter;
using test::ShownMessage;

ChannelFileGroup fileGroup(uint8_t isReceiver, uint32_t minFreq, uint32_t maxFreq) {
    return {isReceiver, minFreq, maxFreq, {minFreq + 12.5f, minFreq + 25.0f}, {0, 9}};
}

ChannelFile otherModelFile() {
    ChannelFile file;
    file.modelIdentifier = "OTHERMAP";
    file.groups = {fileGroup(1, 510000, 520000), fileGroup(0, 800000, 810000),
                   fileGroup(0, 470000, 790000)};
    return file;
}

std::vector<QString> itemsOf(const QComboBox* list) {
    std::vector<QString> items;
    for (int i = 0; i < list->count(); ++i) items.push_back(list->itemText(i));
    return items;
}

class ImportDialog : public ::testing::Test {
  protected:
    ChannelTable table_ = defaultDualGroupTable();
    const ChannelTable untouched_ = defaultDualGroupTable();
    RecordingPrompter prompter_;
    const ChannelFile file_ = otherModelFile();
};

TEST_F(ImportDialog, BuildsOneRowPerFileGroupAtItsPlace) {
    TformImport dialog(file_, table_, prompter_, kEnglish);

    EXPECT_EQ(dialog.labelGroup->text(), "Source Group");
    EXPECT_EQ(dialog.labelRange->text(), "Range");
    EXPECT_EQ(dialog.labelDestination->text(), "Destination Group");
    EXPECT_TRUE(dialog.labelGroup->font().bold());
    ASSERT_EQ(dialog.destinationLists.size(), 3u);

    EXPECT_EQ(dialog.sourceLabels[2]->text(), "Group 2 (Transmitter)");
    EXPECT_EQ(dialog.sourceLabels[2]->pos(), QPoint(16, 28 + 48));
    EXPECT_EQ(dialog.rangeLabels[2]->text(), "470.000-790.000 MHz");
    EXPECT_EQ(dialog.rangeLabels[2]->pos(), QPoint(150, 28 + 48));
    EXPECT_EQ(dialog.destinationLists[2]->geometry().topLeft(), QPoint(280, 24 + 48));
    EXPECT_EQ(dialog.destinationLists[2]->width(), 150);

    EXPECT_EQ(itemsOf(dialog.destinationLists[0]),
              (std::vector<QString>{"none", "Group 0 (Receiver)", "Group 1 (Transmitter)"}));
    EXPECT_EQ(itemsOf(dialog.destinationLists[1]), std::vector<QString>{"none"});
    EXPECT_EQ(itemsOf(dialog.destinationLists[2]),
              (std::vector<QString>{"none", "Group 0 (Receiver)"}));
    for (const QComboBox* list : dialog.destinationLists) EXPECT_EQ(list->currentIndex(), 0);

    EXPECT_EQ(dialog.btnCancel->geometry(), QRect(267, 24 * 3 + 40, 75, 25));
    EXPECT_EQ(dialog.btnImport->geometry(), QRect(363, 24 * 3 + 40, 75, 25));
    EXPECT_EQ(dialog.btnCancel->text(), "cancel");
    EXPECT_EQ(dialog.btnImport->text(), "Import");
    EXPECT_EQ(dialog.width(), TformImport::kClientWidth);
    EXPECT_EQ(dialog.height(), 24 * 3 + 100 - 27);
}

// In every language each column starts after the texts of the one before it ends, headings
// included, and the dialog holds the lists and buttons whole.
TEST_F(ImportDialog, NoTextRunsIntoTheNextColumnInAnyLanguage) {
    for (const int language : {0, 1}) {
        LocalTexts texts;
        texts.setCurrentLanguage(language);
        TformImport dialog(file_, table_, prompter_, texts);
        const auto right = [](const QWidget* widget) { return widget->geometry().right(); };
        const int rangeLeft = dialog.rangeLabels[0]->x();
        const int destinationLeft = dialog.destinationLists[0]->x();
        for (size_t i = 0; i < dialog.sourceLabels.size(); ++i) {
            SCOPED_TRACE(dialog.sourceLabels[i]->text().toStdString());
            EXPECT_LT(right(dialog.sourceLabels[i]), rangeLeft);
            EXPECT_EQ(dialog.rangeLabels[i]->x(), rangeLeft);
            EXPECT_LT(right(dialog.rangeLabels[i]), destinationLeft);
            EXPECT_LE(right(dialog.destinationLists[i]), dialog.width());
        }
        EXPECT_LT(right(dialog.labelGroup), dialog.labelRange->x());
        EXPECT_LT(right(dialog.labelRange), dialog.labelDestination->x());
        EXPECT_LE(right(dialog.btnImport), dialog.width());
    }
}

TEST_F(ImportDialog, FileWithoutGroupsShowsHeadingsAndButtonsOnly) {
    const ChannelFile empty;
    TformImport dialog(empty, table_, prompter_, kEnglish);
    EXPECT_TRUE(dialog.destinationLists.empty());
    EXPECT_EQ(dialog.btnImport->geometry().top(), 40);
    EXPECT_EQ(dialog.findChildren<QLabel*>().size(), 3);
}

TEST_F(ImportDialog, ImportCopiesTheChosenGroups) {
    TformImport dialog(file_, table_, prompter_, kEnglish);
    dialog.destinationLists[0]->setCurrentIndex(2);  // into group 1
    dialog.destinationLists[2]->setCurrentIndex(1);  // into group 0
    dialog.btnImport->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.importedGroups(), (std::vector<uint32_t>{1, 0}));
    EXPECT_EQ(table_.Frequency[1][0], 510012.5f);
    EXPECT_EQ(table_.Frequency[0][1], 470025.0f);
    EXPECT_EQ(table_.Frequency[1][2], untouched_.Frequency[1][2]);
    EXPECT_EQ(prompter_.shown, std::vector<ShownMessage>{kFileRead});
}

TEST_F(ImportDialog, DuplicateDestinationKeepsTheDialogOpen) {
    TformImport dialog(file_, table_, prompter_, kEnglish);
    dialog.show();
    dialog.destinationLists[0]->setCurrentIndex(1);
    dialog.destinationLists[2]->setCurrentIndex(1);
    dialog.btnImport->click();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.importedGroups().empty());
    EXPECT_EQ(table_.Frequency, untouched_.Frequency);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].caption, "ERROR");
}

TEST_F(ImportDialog, CancelCopiesNothing) {
    TformImport dialog(file_, table_, prompter_, kEnglish);
    dialog.destinationLists[0]->setCurrentIndex(1);
    dialog.btnCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(table_.Frequency, untouched_.Frequency);
    EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ImportDialog, ImportWithNothingChosenClosesSilently) {
    TformImport dialog(file_, table_, prompter_, kEnglish);
    dialog.btnImport->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.importedGroups().empty());
    EXPECT_TRUE(prompter_.shown.empty());
}

}  // namespace
}  // namespace quorprog
