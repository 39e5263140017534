#include "ui/files/channel_file_buttons.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "description/default_description.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "files/channel_file_table.h"
#include "files/file_bytes.h"
#include "ui/files/import_dialog.h"
#include "files_test_support.h"

namespace quorprog {
namespace {

using test::defaultDualGroupTable;
using test::kEnglish;
using test::kFileRead;
using test::RecordingPrompter;
using test::ShownMessage;

const ShownMessage kReadDeviceFirst{
    "Please connect you wireless device and read data before to do this action!", "WARNING"};

class ChannelFileButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        image_.reset();
    }

    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    void writeFile(const QString& name, const ChannelFile& file) {
        ASSERT_TRUE(writeFileBytes(QFile::encodeName(pathOf(name)).toStdString(),
                                   serializeChannelFile(file)));
    }

    // Answers the next modal dialog: picks `item` in each destination list, then presses Import.
    void answerImportDialog(std::vector<int> items) {
        QTimer::singleShot(0, [items] {
            auto* dialog = qobject_cast<TformImport*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (size_t i = 0; i < items.size(); ++i) {
                dialog->destinationLists[i]->setCurrentIndex(items[i]);
            }
            dialog->btnImport->click();
        });
    }

    QTemporaryDir folder_;
    MemoryImage image_;
    ChannelTable table_ = defaultDualGroupTable();
    RecordingPrompter prompter_;
    const DescriptionReader description_ = DescriptionReader::fromText(defaultDescriptionText());
    MemoryMap map_{description_, table_.MemoryMapName, image_, prompter_};
    int refreshes_ = 0;
    ChannelFileButtonContext context_{
        nullptr, image_, table_, prompter_, kEnglish, [this] { ++refreshes_; }, &map_};
};

TEST_F(ChannelFileButtons, NeedADeviceThatHasBeenRead) {
    image_.release();
    imgSaveClick(context_);
    imgOpenClick(context_);
    EXPECT_EQ(prompter_.shown, (std::vector<ShownMessage>{kReadDeviceFirst, kReadDeviceFirst}));
    EXPECT_EQ(refreshes_, 0);
}

TEST_F(ChannelFileButtons, SavedFileOpensDirectlyAndShowsTheGroupAgain) {
    saveChannelFileAs(context_, pathOf("plan.qvm"));
    EXPECT_TRUE(prompter_.shown.empty());
    const std::vector<std::vector<float>> saved = table_.Frequency;
    table_.Frequency[0][0] = 0.0f;
    table_.Frequency[1][15] = 1.0f;

    openChannelFileAt(context_, pathOf("plan.qvm"));
    EXPECT_EQ(table_.Frequency, saved);
    EXPECT_EQ(prompter_.shown, std::vector<ShownMessage>{kFileRead});
    EXPECT_EQ(refreshes_, 1);
    // Every group reaches the image, not only the one on display: 500012.5 kHz in steps of
    // 12.5 kHz is count 40001, N = 625 and A = 1 with the prescaler 64.
    EXPECT_EQ(map_.ReadMapValue("Partition1.N0"), 625);
    EXPECT_EQ(map_.ReadMapValue("Partition1.A0"), 1);
    EXPECT_EQ(map_.ReadMapValue("Partition1.Sub2"), 10);
}

TEST_F(ChannelFileButtons, FileOfAnotherModelGoesThroughTheImportDialog) {
    ChannelFile file = channelFileFromTable(defaultDualGroupTable(), 0);
    file.modelIdentifier = "defaultmap2part";
    file.groups[1].frequencies[0] = 555555.0f;
    writeFile("other.qvm", file);

    answerImportDialog({0, 1});  // file group 1 into device group 0 (its first offer)
    openChannelFileAt(context_, pathOf("other.qvm"));

    EXPECT_EQ(prompter_.shown, std::vector<ShownMessage>{kFileRead});
    EXPECT_EQ(refreshes_, 1);
    // The imported group is stored, snapped down to its 12.5 kHz step: count 44444, N 694, A 28.
    EXPECT_EQ(table_.Frequency[0][0], 555550.0f);
    EXPECT_EQ(map_.ReadMapValue("Partition0.N0"), 694);
    EXPECT_EQ(map_.ReadMapValue("Partition0.A0"), 28);
    EXPECT_EQ(map_.ReadMapValue("Partition1.N0"), 0);  // group 1 was not imported into
}

TEST_F(ChannelFileButtons, CorruptFileChangesNothingButShowsTheGroupAgain) {
    const std::vector<std::vector<float>> before = table_.Frequency;
    ChannelFile file = channelFileFromTable(table_, 0);
    std::vector<uint8_t> bytes = serializeChannelFile(file);
    bytes.resize(100);
    ASSERT_TRUE(writeFileBytes(QFile::encodeName(pathOf("cut.qvm")).toStdString(), bytes));

    openChannelFileAt(context_, pathOf("cut.qvm"));
    EXPECT_EQ(table_.Frequency, before);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].text,
              "This file seems to be corrupt or not the right kind of file!");
    EXPECT_EQ(refreshes_, 1);
}

}  // namespace
}  // namespace quorprog
