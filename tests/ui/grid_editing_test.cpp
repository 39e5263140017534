#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "app/up_down_control.h"
#include "commands_test_support.h"
#include "text/text_ids.h"

namespace quorprog::commands_test {
namespace {

using Counters = std::pair<int32_t, int32_t>;

// The dual group device: receivers with a 10.7 MHz IF (oscillator below), 12.5 kHz step,
// prescaler 64, range 470-790 MHz. Counters of f: (f - 10700) / 12.5 split by 64.
Counters countersOf(double kHz) {
    const auto count = static_cast<int32_t>((kHz - 10700.0) / 12.5);
    return {count / 64, count % 64};
}

class GridEditing : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&rig.form));
    }

    // Types `text` over the current frequency cell's content, in its editor.
    QLineEdit* typeFrequency(int row, const QString& text) {
        rig.select(row, 1);
        QLineEdit* editor = rig.openEditor();
        if (!editor) {
            ADD_FAILURE() << "no editor opened on row " << row;
            return nullptr;
        }
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        return editor;
    }

    QToolButton* arrow(int direction) {
        const auto buttons = rig.controls.GridUpDown->findChildren<QToolButton*>();
        for (QToolButton* button : buttons) {
            if (button->arrowType() == (direction > 0 ? Qt::UpArrow : Qt::DownArrow)) {
                return button;
            }
        }
        return nullptr;
    }

    void setFrequency(int row, float kHz) {
        rig.table().Frequency[0][row] = kHz;
        rig.view.ShowFrequencies(row, false);
    }

    GridRig rig;
};

TEST_F(GridEditing, EnterCommitsTheTypedFrequencySnappedDownToTheStepWithOneBeep) {
    QLineEdit* editor = typeFrequency(3, "470006");
    ASSERT_TRUE(editor);
    EXPECT_FLOAT_EQ(rig.table().Frequency[0][3], 470006.0f);
    EXPECT_EQ(rig.changedBytes(), 0) << "typing alone stores nothing into the image";

    QTest::keyClick(editor, Qt::Key_Return);

    EXPECT_FLOAT_EQ(rig.table().Frequency[0][3], 470000.0f);
    EXPECT_EQ(rig.prompter.beeps, 1);
    EXPECT_EQ(rig.cellText(3, 1), "470000");
    EXPECT_EQ(rig.counters(3), countersOf(470000));
}

TEST_F(GridEditing, AFrequencyOnTheStepCommitsWithoutABeep) {
    QLineEdit* editor = typeFrequency(2, "470100");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rig.prompter.beeps, 0);
    EXPECT_EQ(rig.counters(2), countersOf(470100));
}

TEST_F(GridEditing, MovingBetweenFrequencyCellsCommitsTheRowLeft) {
    ASSERT_TRUE(typeFrequency(2, "470100"));
    rig.select(5, 1);
    EXPECT_EQ(rig.counters(2), countersOf(470100));
    EXPECT_EQ(rig.cellText(2, 1), "470100");
}

struct LeavingKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int row;  // the current cell after the key
    int column;
};

class GridKeys : public GridEditing, public ::testing::WithParamInterface<LeavingKey> {};

// Every key that leaves the frequency cell commits the row before the grid moves.
TEST_P(GridKeys, AKeyLeavingTheFrequencyCellCommitsTheRowFirst) {
    const LeavingKey& leaving = GetParam();
    QLineEdit* editor = typeFrequency(4, "470200");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, leaving.key, leaving.modifiers);
    EXPECT_EQ(rig.counters(4), countersOf(470200));
    EXPECT_EQ(rig.grid().currentRow(), leaving.row);
    EXPECT_EQ(rig.grid().currentColumn(), leaving.column);
}

INSTANTIATE_TEST_SUITE_P(Keys, GridKeys,
                         ::testing::Values(LeavingKey{"Down", Qt::Key_Down, Qt::NoModifier, 5, 1},
                                           LeavingKey{"Up", Qt::Key_Up, Qt::NoModifier, 3, 1},
                                           LeavingKey{"Tab", Qt::Key_Tab, Qt::NoModifier, 4, 2},
                                           LeavingKey{"ShiftTab", Qt::Key_Backtab,
                                                      Qt::ShiftModifier, 3, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridEditing, LeftAndRightInsideTheEditorMoveTheCaretAndCommitNothing) {
    QLineEdit* editor = typeFrequency(4, "470206");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Left);
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_EQ(rig.changedBytes(), 0);
    EXPECT_EQ(rig.prompter.beeps, 0);
    EXPECT_EQ(editor->text(), "470206");
    EXPECT_EQ(rig.grid().currentColumn(), 1);
}

TEST_F(GridEditing, AFrequencyLeftForASubtoneCellReachesTheImageOnlyAtTheRowsNextCommit) {
    ASSERT_TRUE(typeFrequency(3, "470050"));
    rig.select(3, 2);
    EXPECT_FLOAT_EQ(rig.table().Frequency[0][3], 470050.0f);
    EXPECT_EQ(rig.cellText(3, 1), "470050");
    EXPECT_EQ(rig.changedBytes(), 0);

    // Entering the frequency column commits the row of the cell last selected.
    rig.select(7, 1);
    EXPECT_EQ(rig.counters(3), countersOf(470050));
}

TEST_F(GridEditing, TheFirstEntryIntoTheFrequencyColumnCommitsNothing) {
    rig.select(0, 1);
    rig.select(0, 1);  // the same cell again does nothing either
    EXPECT_EQ(rig.changedBytes(), 0);
    EXPECT_EQ(rig.prompter.beeps, 0);
}

TEST_F(GridEditing, LeavingTheGridFromTheFrequencyColumnCommitsTheCurrentRow) {
    rig.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.form));
    rig.grid().setFocus();
    QLineEdit* editor = typeFrequency(6, "470300");
    ASSERT_TRUE(editor);
    editor->setFocus();
    rig.controls.spinGroup->setFocus();
    EXPECT_EQ(rig.counters(6), countersOf(470300));
    EXPECT_FALSE(rig.controls.GridUpDown->isVisible());
}

TEST_F(GridEditing, AFrequencyOutsideTheRangeIsClearedWithABeep) {
    QLineEdit* editor = typeFrequency(1, "100");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rig.table().Frequency[0][1], 0.0f);
    EXPECT_EQ(rig.cellText(1, 1), "");
    EXPECT_EQ(rig.counters(1), Counters(0, 0));
    EXPECT_EQ(rig.prompter.beeps, 1);
}

TEST_F(GridEditing, AnEmptyCellIsClearedWhenTheRangeStartsAboveZero) {
    QLineEdit* editor = typeFrequency(1, "");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rig.counters(1), Counters(0, 0));
    EXPECT_EQ(rig.prompter.beeps, 1);
}

TEST_F(GridEditing, AnEmptyCellKeepsItsCountersWhenTheRangeStartsAtZero) {
    rig.table().MinFreq[0] = 0;
    const Counters before = rig.counters(1);
    QLineEdit* editor = typeFrequency(1, "");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rig.counters(1), before);
    EXPECT_EQ(rig.changedBytes(), 0);
    EXPECT_EQ(rig.prompter.beeps, 0);
}

TEST_F(GridEditing, TextThatIsNoNumberBeepsAndEmptiesTheChannel) {
    rig.select(2, 1);
    QLineEdit* editor = rig.openEditor();
    ASSERT_TRUE(editor);
    // Pasted text is not filtered character by character.
    editor->selectAll();
    editor->insert(QStringLiteral("12x"));
    EXPECT_EQ(rig.table().Frequency[0][2], 0.0f);
    EXPECT_GE(rig.prompter.beeps, 1);
}

struct StepCase {
    const char* name;
    float before;
    int direction;
    float after;
    bool beep;
};

class GridArrows : public GridEditing, public ::testing::WithParamInterface<StepCase> {};

TEST_P(GridArrows, StepOneChannelStepWithinTheRange) {
    const StepCase& step = GetParam();
    setFrequency(5, step.before);
    rig.select(5, 1);
    ASSERT_TRUE(rig.controls.GridUpDown->isVisible());
    const Counters before = rig.counters(5);

    QToolButton* button = arrow(step.direction);
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_FLOAT_EQ(rig.table().Frequency[0][5], step.after);
    EXPECT_EQ(rig.prompter.beeps, step.beep ? 1 : 0);
    if (step.after != step.before) {
        EXPECT_EQ(rig.counters(5), countersOf(step.after));
        EXPECT_EQ(rig.cellText(5, 1), QString::number(step.after, 'g', 15));
    } else {
        EXPECT_EQ(rig.counters(5), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, GridArrows,
    ::testing::Values(StepCase{"UpOnTheGrid", 500000.0f, +1, 500012.5f, false},
                      StepCase{"DownOnTheGrid", 500000.0f, -1, 499987.5f, false},
                      StepCase{"UpOffTheGridToTheNextPointAbove", 500006.0f, +1, 500012.5f, false},
                      StepCase{"DownOffTheGridToOneStepBelowThePointBeneath", 500006.0f, -1,
                               499987.5f, false},
                      StepCase{"UpBeyondTheRangeBeeps", 790000.0f, +1, 790000.0f, true},
                      StepCase{"DownBelowTheRangeBeeps", 470000.0f, -1, 470000.0f, true},
                      StepCase{"AnEmptyChannelStaysSilently", 0.0f, +1, 0.0f, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridEditing, ArrowsActOnlyInTheFrequencyColumn) {
    setFrequency(5, 500000.0f);
    rig.select(5, 1);
    QToolButton* up = arrow(+1);
    ASSERT_TRUE(up);
    rig.select(5, 2);
    EXPECT_FALSE(rig.controls.GridUpDown->isVisible());
    emit rig.controls.GridUpDown->stepped(+1);
    EXPECT_FLOAT_EQ(rig.table().Frequency[0][5], 500000.0f);
}

TEST_F(GridEditing, TheInPlaceControlsLieOverTheCurrentCell) {
    rig.select(3, 1);
    const QRect cell = rig.grid().visualRect(rig.grid().model()->index(3, 1));
    const QPoint cellTopLeft = rig.grid().viewport()->mapTo(&rig.form, cell.topLeft());
    const QRect arrows = rig.controls.GridUpDown->geometry();
    EXPECT_TRUE(rig.controls.GridUpDown->isVisible());
    EXPECT_FALSE(rig.controls.GridComboBox->isVisible());
    EXPECT_EQ(arrows.top(), cellTopLeft.y());
    EXPECT_EQ(arrows.left() + arrows.width(), cellTopLeft.x() + cell.width());

    rig.select(3, 2);
    const QRect subtoneCell = rig.grid().visualRect(rig.grid().model()->index(3, 2));
    const QRect list = rig.controls.GridComboBox->geometry();
    EXPECT_FALSE(rig.controls.GridUpDown->isVisible());
    EXPECT_TRUE(rig.controls.GridComboBox->isVisible());
    EXPECT_EQ(list.width(), subtoneCell.width());
    EXPECT_EQ(rig.controls.GridComboBox->currentIndex(), rig.table().SubtoneIndex[0][3]);
}

TEST_F(GridEditing, ASubtoneChangeIsRefusedAndNothingIsStored) {
    rig.select(2, 2);
    QComboBox& list = *rig.controls.GridComboBox;
    const int stored = rig.table().SubtoneIndex[0][2];
    const int other = stored == 1 ? 2 : 1;
    list.setCurrentIndex(other);
    emit list.activated(other);

    EXPECT_EQ(list.currentIndex(), stored);
    EXPECT_EQ(rig.table().SubtoneIndex[0][2], stored);
    EXPECT_EQ(rig.changedBytes(), 0);
    ASSERT_EQ(rig.prompter.messages.size(), 1u);
    EXPECT_EQ(rig.prompter.messages[0].text, rig.texts.LocalText(text::kSubtoneChangeNotAllowed));
    EXPECT_EQ(rig.prompter.messages[0].caption, rig.texts.LocalText(text::kWarning));
}

TEST_F(GridEditing, AGroupNumberBeyondTheLastShowsTheLastGroup) {
    rig.table().Frequency[1][0] = 512500.0f;
    rig.controls.spinGroup->setValue(9);
    EXPECT_EQ(rig.controls.spinGroup->value(), 1);
    EXPECT_EQ(rig.view.currentGroup(), 1);
    EXPECT_EQ(rig.cellText(0, 1), "512500");

    // Typed, too: the last group shows as the digits are typed, before Enter.
    for (const char* typed : {"7", "12", "99"}) {
        rig.controls.spinGroup->setValue(0);
        rig.controls.spinGroup->selectAll();
        QTest::keyClicks(rig.controls.spinGroup, typed);
        EXPECT_EQ(rig.controls.spinGroup->value(), 1) << typed;
        EXPECT_EQ(rig.view.currentGroup(), 1) << typed;
        EXPECT_EQ(rig.cellText(0, 1), "512500") << typed;
        EXPECT_EQ(rig.controls.spinGroup->text(), "1") << typed;
        QTest::keyClick(rig.controls.spinGroup, Qt::Key_Return);
        EXPECT_EQ(rig.controls.spinGroup->value(), 1) << typed;
        EXPECT_EQ(rig.view.currentGroup(), 1) << typed;
    }
}

TEST_F(GridEditing, CtrlSReachesTheServiceModeFromTheGridAndFromTheEditor) {
    int opened = 0;
    rig.editor->setServiceKey([&] { ++opened; });
    rig.select(4, 2);
    QTest::keyClick(&rig.grid(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);

    QLineEdit* editor = typeFrequency(4, "4701");
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(editor->text(), "4701");
}

class DecimalSeparator : public GridEditing {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        GridEditing::SetUp();
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(DecimalSeparator, APointTypedStandsForTheSystemsSeparator) {
    QLineEdit* editor = typeFrequency(3, "470012.5");
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), "470012,5");
    EXPECT_FLOAT_EQ(rig.table().Frequency[0][3], 470012.5f);
    EXPECT_EQ(rig.prompter.beeps, 0);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(rig.cellText(3, 1), "470012,5");
}

TEST_F(DecimalSeparator, OtherCharactersAreRefusedWithABeep) {
    QLineEdit* editor = typeFrequency(3, "47");
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "-+eE a");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(editor->text(), "47");
    EXPECT_EQ(rig.prompter.beeps, 7);
}

TEST_F(DecimalSeparator, APointTypedOnTheGridOpensTheEditorWithTheSeparator) {
    rig.select(3, 1);
    QTest::keyClick(&rig.grid(), '.');
    QLineEdit* editor = rig.grid().findChild<QLineEdit*>(QStringLiteral("GridEditor"));
    ASSERT_TRUE(editor);
    QTest::keyClick(editor, '5');
    EXPECT_EQ(editor->text(), ",5");
    EXPECT_FLOAT_EQ(rig.table().Frequency[0][3], 0.5f);
}

}  // namespace
}  // namespace quorprog::commands_test
