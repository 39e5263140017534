#include "app/programmer_selection.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "app/clickable_image.h"
#include "app/hover_help.h"
#include "app/main_window_controls.h"
#include "fakes/recording_prompter.h"
#include "fakes/scripted_serial_line.h"
#include "programmer/programmer_link.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "text/local_texts.h"
#include "text/text_ids.h"

namespace quorprog {
namespace {

using testing::RecordingPrompter;
using testing::ScriptedSerialLine;

// A programmer on COM1 whose battery answers `battery`.
std::vector<std::pair<std::string, std::string>> programmerAnswering(const std::string& battery) {
    return {{"*", "\r\nQUORVEL PROGRAMMER\r\n>"},
            {"V", "\r\nQUORVEL PROG V2.1\r\n>"},
            {"S", "\r\n" + battery + "\r\n>"}};
}

class ProgrammerSelectionTest : public ::testing::Test {
  protected:
    ProgrammerSelectionTest()
        : controls(createMainWindowControls(&form)),
          link(line, log, prompter, progress),
          hover(new HoverHelp(controls.labelHelp, texts, &form)),
          selection(
              &form, controls, link, prompter, texts, [this] { return portChecks; },
              [this](const QString& hint) { hover->setStandingText(hint); }) {}

    std::string warningText() const { return texts.LocalText(text::kBatteryLow); }

    QWidget form;
    MainWindowControls controls;
    ScriptedSerialLine line;
    NullLog log;
    NullProgressView progress;
    RecordingPrompter prompter;
    LocalTexts texts;
    ProgrammerLink link;
    std::vector<ComPortCheck> portChecks;
    HoverHelp* hover;  // owned by the form
    ProgrammerSelection selection;
};

struct BatteryCase {
    const char* name;
    const char* answer;
    int gauge;
    bool warned;
};

class BatteryShown : public ProgrammerSelectionTest,
                     public ::testing::WithParamInterface<BatteryCase> {};

TEST_P(BatteryShown, OnTheGaugeWithAWarningWhenAlmostDepleted) {
    const BatteryCase& battery = GetParam();
    line.port("COM1", programmerAnswering(battery.answer));
    selection.search();

    ASSERT_EQ(controls.listProgrammers->count(), 1);
    EXPECT_EQ(controls.listProgrammers->itemText(0), "QUORVEL PROG V2.1 on COM1");
    EXPECT_EQ(controls.listProgrammers->currentIndex(), 0);
    EXPECT_EQ(link.SelectedProgrammer(), 0);
    EXPECT_EQ(controls.cgBattery->value(), battery.gauge);
    if (battery.warned) {
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, warningText());
        EXPECT_EQ(prompter.messages[0].caption, texts.LocalText(text::kWarning));
    } else {
        EXPECT_TRUE(prompter.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, BatteryShown,
                         ::testing::Values(BatteryCase{"Depleted", "BATTERY=0", 0, true},
                                           BatteryCase{"AlmostDepleted", "BATTERY=1", 1, true},
                                           BatteryCase{"Low", "BATTERY=2", 2, false},
                                           BatteryCase{"Full", "BATTERY=7", 7, false},
                                           BatteryCase{"AboveTheGauge", "BATTERY=C", 7, false},
                                           BatteryCase{"Unparsable", "BATTERY=?", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgrammerSelectionTest, WithoutProgrammersTheListStaysEmptyAndNothingIsSaid) {
    controls.cgBattery->setValue(3);
    selection.search();
    EXPECT_EQ(controls.listProgrammers->count(), 0);
    EXPECT_EQ(controls.listProgrammers->currentIndex(), -1);
    EXPECT_EQ(controls.cgBattery->value(), 3);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProgrammerSelectionTest, AnEmptySearchSaysWhyUntilAProgrammerIsFound) {
    portChecks = {{"COM1", {"/dev/ttyUSB0", PortSource::SystemList}, PortAccess::PermissionDenied}};
    texts.setCurrentLanguage(1);
    selection.search();
    ASSERT_EQ(controls.listProgrammers->count(), 0);
    const QString denied =
        "/dev/ttyUSB0: permesso negato — aggiungi il tuo utente al gruppo dialout "
        "e accedi di nuovo";
    EXPECT_EQ(controls.labelHelp->text(), denied);
    EXPECT_EQ(controls.listProgrammers->toolTip(), denied);

    // It stays while the mouse moves over bare parts; a button's own hint shows while the mouse
    // is on the button, then the reason comes back.
    hover->watchBare(&form);
    hover->watch(controls.imgRead, text::kHintRead);
    hover->objectMouseMove(&form);
    EXPECT_EQ(controls.labelHelp->text(), denied);
    hover->objectMouseMove(controls.imgRead);
    EXPECT_EQ(controls.labelHelp->text(), QString::fromStdString(texts.LocalText(text::kHintRead)));
    hover->objectMouseMove(&form);
    EXPECT_EQ(controls.labelHelp->text(), denied);

    line.port("COM1", programmerAnswering("BATTERY=7"));
    selection.search();
    ASSERT_EQ(controls.listProgrammers->count(), 1);
    EXPECT_EQ(controls.labelHelp->text(), "");
    EXPECT_EQ(controls.listProgrammers->toolTip(), "");
    hover->objectMouseMove(controls.imgRead);
    hover->objectMouseMove(&form);
    EXPECT_EQ(controls.labelHelp->text(), "");
}

TEST_F(ProgrammerSelectionTest, AProgrammerThatNoLongerOpensShowsAnEmptyBatteryWithTheWarning) {
    line.port("COM1", programmerAnswering("BATTERY=7"));
    selection.search();
    ASSERT_EQ(controls.cgBattery->value(), 7);
    line.unplug("COM1");
    emit controls.listProgrammers->activated(0);
    EXPECT_EQ(controls.cgBattery->value(), 0);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, warningText());
}

TEST_F(ProgrammerSelectionTest, TheSearchButtonSelectsTheFirstEntryAgainAndQueriesItsBattery) {
    line.port("COM1", programmerAnswering("BATTERY=5"))
        .port("COM3", programmerAnswering("BATTERY=1"));
    selection.search();
    ASSERT_EQ(controls.listProgrammers->count(), 2);
    controls.listProgrammers->setCurrentIndex(1);
    emit controls.listProgrammers->activated(1);
    EXPECT_EQ(controls.cgBattery->value(), 1);
    EXPECT_EQ(link.SelectedProgrammer(), 1);

    QTest::mouseClick(controls.btnSearchProgrammer, Qt::LeftButton);
    EXPECT_EQ(controls.listProgrammers->currentIndex(), 0);
    EXPECT_EQ(link.SelectedProgrammer(), 0);
    EXPECT_EQ(controls.cgBattery->value(), 5);
}

}  // namespace
}  // namespace quorprog
