// The grid's "Make group compatible…" end to end on a factory device: the dialog's proposal,
// a guard changed in it, OK, and what reaches the table, the grid, the image and quorprog.ini.
#include "app/coordination_menu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/settings_file.h"
#include "channels/group_coordination_inputs.h"
#include "channels/pll.h"
#include "commands_test_support.h"
#include "coordination/compatibility_check.h"
#include "ui/coordination/make_compatible_dialog.h"

namespace quorprog {
namespace {

// The grid of a factory device with its coordination menu, the settings in a folder of its own.
struct MenuRig {
    commands_test::GridRig rig;
    QTemporaryDir folder;
    const SettingsFile settings{folder.filePath("quorprog.ini")};
    CoordinationMenu menu{&rig.owner,   rig.form,     rig.controls, rig.session, rig.view,
                          *rig.editor, settings,     rig.prompter, rig.texts};
};

TEST(CoordinationMenu, MakeGroupCompatibleCommitsTheNewFrequenciesAndKeepsTheGuards) {
    MenuRig shell;
    commands_test::GridRig& rig = shell.rig;
    const SettingsFile& settings = shell.settings;
    CoordinationMenu& menu = shell.menu;
    const std::vector<float> before = rig.table().Frequency[0];
    ASSERT_FALSE(coordination::findConflicts(groupChannels(rig.table(), 0), {}).empty());

    std::vector<size_t> proposed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<MakeCompatibleDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QDoubleSpinBox*>("editIm5")->setValue(25);  // as Enter would leave it
        proposed = dialog->proposal().replaced;
        dialog->findChild<QPushButton*>("btnOK")->click();
    });
    menu.makeGroupCompatible();

    ASSERT_FALSE(proposed.empty());
    coordination::CoordinationRules rules;
    rules.guards.im5 = coordination::hertzFromKhz(25);
    rules.image = groupReceiverImage(rig.table(), 0);
    EXPECT_TRUE(coordination::findConflicts(groupChannels(rig.table(), 0), rules).empty());
    for (size_t c = 0; c < before.size(); ++c) {
        const bool replaced = std::find(proposed.begin(), proposed.end(), c) != proposed.end();
        EXPECT_EQ(rig.table().Frequency[0][c] != before[c], replaced) << "channel " << c;
    }
    // Committed as a typed frequency is: shown, and its counters in the image for the write.
    const int c = static_cast<int>(proposed.front());
    EXPECT_EQ(rig.cellText(c, 1), rig.view.frequencyCellText(c));
    const auto [n, a] = rig.counters(c);
    EXPECT_DOUBLE_EQ(ComputeChannelFrequency(n, a, pllOfChannel(rig.table(), 0, c)),
                     rig.table().Frequency[0][c]);
    EXPECT_GT(rig.changedBytes(), 0);
    EXPECT_EQ(settings.readValue("COORDINATION", "IM5"), "25");
    EXPECT_EQ(settings.readValue("COORDINATION", "SPACING"), "350");
}

// A guard changed and then cancelled is not kept; the check dialog's Close keeps it.
struct GuardKeepingCase {
    const char* name;
    bool check;          // the check dialog, or the make-compatible one
    const char* button;  // pressed to leave; nullptr: Escape (reject)
    bool kept;
};

class CoordinationMenuGuards : public ::testing::TestWithParam<GuardKeepingCase> {};

TEST_P(CoordinationMenuGuards, KeepsTheGuardsOnlyWhenTheDialogIsAccepted) {
    const GuardKeepingCase& row = GetParam();
    MenuRig shell;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QDoubleSpinBox*>("editSpacing")->setValue(500);
        if (row.button) {
            dialog->findChild<QPushButton*>(row.button)->click();
        } else {
            dialog->reject();
        }
    });
    if (row.check) {
        shell.menu.checkCompatibility();
    } else {
        shell.menu.makeGroupCompatible();
    }
    EXPECT_EQ(shell.settings.readValue("COORDINATION", "SPACING"), row.kept ? "500" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CoordinationMenuGuards,
    ::testing::Values(GuardKeepingCase{"CheckClosed", true, "btnClose", true},
                      GuardKeepingCase{"CheckEscaped", true, nullptr, false},
                      GuardKeepingCase{"MakeCancelled", false, "btnCancel", false},
                      GuardKeepingCase{"MakeEscaped", false, nullptr, false}),
    [](const ::testing::TestParamInfo<GuardKeepingCase>& info) { return info.param.name; });

// A reference divider of 1023 steps by 12800 ÷ 1023 kHz, no whole number of hertz: the grid is
// counted in points and stays exact, and what OK puts in the table is a point the encoding keeps.
TEST(CoordinationMenu, MakeGroupCompatibleWorksOnAStepOfNoWholeHertz) {
    MenuRig shell;
    commands_test::GridRig& rig = shell.rig;
    CoordinationMenu& menu = shell.menu;
    ChannelTable& table = rig.table();
    for (size_t c = 0; c < table.Frequency[0].size(); ++c) {
        table.R[0][c] = 1023;
        table.Frequency[0][c] =
            gridPoint(gridPointBelow(table.Frequency[0][c], channelStep(table, 0, 0)),
                      channelStep(table, 0, 0));
    }
    ASSERT_EQ(groupChannelGrid(table, 0).divisor, 1023);

    bool offered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<MakeCompatibleDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->proposal().complete() && !dialog->proposal().replaced.empty();
        dialog->findChild<QPushButton*>("btnOK")->click();
    });
    menu.makeGroupCompatible();

    ASSERT_TRUE(offered);
    coordination::CoordinationRules rules;
    rules.image = groupReceiverImage(table, 0);
    EXPECT_TRUE(coordination::findConflicts(groupChannels(table, 0), rules).empty());
    const float step = channelStep(table, 0, 0);
    for (size_t c = 0; c < table.Frequency[0].size(); ++c) {
        const float f = table.Frequency[0][c];
        EXPECT_EQ(gridPoint(gridPointBelow(f, step), step), f) << "channel " << c;
    }
}

}  // namespace
}  // namespace quorprog
