// The coordination dialogs' profile, window, scan and TV controls, on a group built here: what
// each control changes in the check's table and in the make-compatible search.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "coordination/compatibility_check.h"
#include "coordination/group_coordination.h"
#include "text/local_texts.h"
#include "ui/coordination/compatibility_check_dialog.h"
#include "ui/coordination/make_compatible_dialog.h"
#include "ui/coordination/site_fields.h"

namespace quorprog {
namespace {

using coordination::Hertz;
using ::testing::HasSubstr;

constexpr Hertz kKhz = coordination::kHertzPerKhz;

// Four channels of US TV channel 36 (602–608 MHz) on a 25 kHz grid over 470–790 MHz; 606.0,
// 606.4 and 606.8 hold each other's IM3 products.
CoordinatedGroup sampleGroup() {
    CoordinatedGroup group;
    group.channels = {606000 * kKhz, 606400 * kKhz, 606800 * kKhz, 603000 * kKhz};
    group.grid = coordination::groupGrid(470000 * kKhz, 790000 * kKhz, 25 * kKhz);
    return group;
}

// The kinds column of the check's table, one entry per row.
std::vector<std::string> kinds(const QDialog& dialog) {
    const auto* table = dialog.findChild<QTableWidget*>("gridConflicts");
    std::vector<std::string> kinds;
    for (int row = 0; row < table->rowCount(); ++row)
        kinds.push_back(table->item(row, 2)->text().toStdString());
    return kinds;
}

void tick(QDialog& dialog, const char* region, int number) {
    auto* regions = dialog.findChild<QComboBox*>("comboTvRegion");
    regions->setCurrentIndex(regions->findText(region));
    auto* list = dialog.findChild<QListWidget*>("listTvChannels");
    const auto items = list->findItems(QString::number(number), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    items.front()->setCheckState(Qt::Checked);
}

class CoordinationDialogs : public ::testing::Test {
  protected:
    LocalTexts texts;
    QTemporaryDir folder;
};

TEST_F(CoordinationDialogs, AProfileSetsTheGuardsAndTheWindowUntilOneIsChangedByHand) {
    CompatibilityCheckDialog dialog(sampleGroup(), texts);
    ASSERT_THAT(kinds(dialog), ::testing::Contains("IM3"));
    auto* profiles = dialog.findChild<QComboBox*>("comboProfile");
    profiles->setCurrentIndex(profiles->findText("robust"));
    emit profiles->activated(profiles->currentIndex());
    EXPECT_EQ(dialog.choices().profile, "robust");
    EXPECT_EQ(dialog.choices().guards.spacing, 600 * kKhz);
    EXPECT_EQ(dialog.choices().guards.im5, 150 * kKhz);
    EXPECT_EQ(dialog.findChild<QDoubleSpinBox*>("editWindow")->value(), 200);
    EXPECT_EQ(dialog.choices().window, 200000 * kKhz);

    // A window of 1 MHz keeps 606.0 and 606.8 from each other's receivers (0.8 MHz apart):
    // the products 2·606.4 − 606.8 and 2·606.4 − 606.0 no longer count.
    dialog.findChild<QDoubleSpinBox*>("editWindow")->setValue(1);
    EXPECT_EQ(dialog.choices().profile, "");
    EXPECT_EQ(dialog.choices().window, 1000 * kKhz);
    EXPECT_THAT(kinds(dialog), ::testing::Not(::testing::Contains("IM3")));
}

TEST_F(CoordinationDialogs, AScanFileAddsScanConflictsAndABadOneSaysWhy) {
    CompatibilityCheckDialog dialog(sampleGroup(), texts);
    QFile scan(folder.filePath("scan.csv"));
    ASSERT_TRUE(scan.open(QIODevice::WriteOnly));
    scan.write("MHz;dBm\n602.950;-60\n610;-95\n");
    scan.close();
    ASSERT_TRUE(dialog.site().loadScanFile(scan.fileName()));
    EXPECT_EQ(dialog.findChild<QLabel*>("labelScan")->text().toStdString(), "scan.csv: 2 points");
    EXPECT_THAT(kinds(dialog), ::testing::Contains("RF scan"));

    // Above the peak, nothing is occupied; a file that is no scan leaves the scan as it was.
    dialog.findChild<QDoubleSpinBox*>("editThreshold")->setValue(-50);
    EXPECT_THAT(kinds(dialog), ::testing::Not(::testing::Contains("RF scan")));
    QFile junk(folder.filePath("<b>junk<i>.txt"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("frequency,level\nnot,a number\n");
    junk.close();
    EXPECT_FALSE(dialog.site().loadScanFile(junk.fileName()));
    EXPECT_THAT(dialog.findChild<QLabel*>("labelScan")->text().toStdString(),
                HasSubstr("<b>junk<i>.txt is no readable scan file"));
    EXPECT_EQ(dialog.choices().scan.size(), 2u);
}

TEST_F(CoordinationDialogs, TickedTvChannelsAreExcludedOrWhereTheSearchGoes) {
    CompatibilityCheckDialog check(sampleGroup(), texts);
    tick(check, "Europe, 8 MHz", 37);  // 598–606 MHz holds 603 and 606 (both ends belong)
    const std::vector<std::string> found = kinds(check);
    EXPECT_EQ(std::count(found.begin(), found.end(), "excluded"), 2);

    // By default the search keeps around the channels: 603–606.8 MHz widened by 4 MHz.
    MakeCompatibleDialog make(sampleGroup(), texts);
    EXPECT_EQ(make.findChild<QDoubleSpinBox*>("editSearchFrom")->value(), 599000);
    EXPECT_EQ(make.findChild<QDoubleSpinBox*>("editSearchTo")->value(), 610800);
    // A region widens it to the TV channels that hold the channels.
    auto* regions = make.findChild<QComboBox*>("comboTvRegion");
    regions->setCurrentIndex(regions->findText("USA, 6 MHz"));
    EXPECT_EQ(make.findChild<QDoubleSpinBox*>("editSearchFrom")->value(), 602000);
    EXPECT_EQ(make.findChild<QDoubleSpinBox*>("editSearchTo")->value(), 608000);
    // Ticked to search in: only there, and every proposed frequency lies inside.
    make.findChild<QComboBox*>("comboTvMode")->setCurrentIndex(1);
    tick(make, "USA, 6 MHz", 38);  // 614–620 MHz
    EXPECT_EQ(make.findChild<QDoubleSpinBox*>("editSearchFrom")->value(), 614000);
    EXPECT_EQ(make.findChild<QDoubleSpinBox*>("editSearchTo")->value(), 620000);
    ASSERT_TRUE(make.proposal().complete());
    for (const Hertz f : make.proposal().frequencies) {
        EXPECT_GE(f, 614000 * kKhz);
        EXPECT_LE(f, 620000 * kKhz);
    }
    // The range stays editable, and a typed one stays while other choices change. Enter
    // confirms the number and leaves the dialog open: OK is for the user to press.
    auto* from = make.findChild<QDoubleSpinBox*>("editSearchFrom");
    make.show();
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, "615000");
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_TRUE(make.isVisible());
    EXPECT_EQ(make.result(), 0);
    make.findChild<QDoubleSpinBox*>("editIm5")->setValue(10);
    EXPECT_EQ(make.findChild<QDoubleSpinBox*>("editSearchFrom")->value(), 615000);
    EXPECT_EQ(make.searchGrid().point(0), 615000 * kKhz);
}

}  // namespace
}  // namespace quorprog
