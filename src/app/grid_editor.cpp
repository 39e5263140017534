#include "app/grid_editor.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

#include "app/frequency_delegate.h"
#include "app/group_view.h"
#include "app/main_window_controls.h"
#include "app/up_down_control.h"
#include "channels/channel_step.h"
#include "channels/pll.h"
#include "session/device_session.h"
#include "text/local_texts.h"
#include "ui/numbers/display_numbers.h"

namespace quorprog {
namespace {

constexpr int kFrequencyColumn = 1;
constexpr int kSubtoneColumn = 2;
constexpr int kGridLineWidth = 1;

// Keys that leave the current cell. Inside an open editor Left and Right only move the caret.
bool isCommitKey(int key, bool editing) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            return !editing;
        default:
            return false;
    }
}

}  // namespace

GridEditor::GridEditor(QObject* owner, QWidget& form, const MainWindowControls& controls,
                       DeviceSession& session, GroupView& display, Prompter& prompter,
                       const LocalTexts& texts)
    : QObject(owner),
      form_(form),
      controls_(controls),
      session_(session),
      display_(display),
      prompter_(prompter),
      texts_(texts) {
    QTableWidget* grid = controls_.Grid;
    delegate_ = new FrequencyDelegate(
        this, [this](QLineEdit& editor, QKeyEvent& event) { return editorKey(editor, event); },
        [this](int row, const QString& text) { GridSetEditText(row, text); });
    grid->setItemDelegateForColumn(kFrequencyColumn, delegate_);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->installEventFilter(this);
    controls_.GridComboBox->installEventFilter(this);

    connect(grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { GridClick(row, column); });
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { replaceInPlaceControls(); });
    connect(qApp, &QApplication::focusChanged, this, &GridEditor::gridFocusMoved);
    connect(controls_.GridUpDown, &UpDownControl::stepped, this, &GridEditor::GridUpDownClick);
    connect(controls_.GridComboBox, &QComboBox::activated, this, &GridEditor::GridComboBoxChange);
    connect(controls_.spinGroup, &QSpinBox::valueChanged, this, &GridEditor::spinGroupChange);
}

GridEditor::~GridEditor() = default;

void GridEditor::frequencyCommit(int k) {
    const int g = display_.currentGroup();
    if (g < 0 || k < -1 || k >= display_.channelCount()) return;
    if (EncodeChannelFrequencies(session_.table(), session_.memoryMap(), g, k) != kEncodeExact) {
        prompter_.beep();
    }
    display_.ShowFrequencies(k, false);
}

void GridEditor::showNewDevice() {
    controls_.Grid->setEnabled(true);
    controls_.spinGroup->setEnabled(true);
    {
        const QSignalBlocker blocker(controls_.spinGroup);
        controls_.spinGroup->setRange(0, static_cast<int>(session_.table().PartitionCount) - 1);
        controls_.spinGroup->setValue(0);
    }
    resetSelection();
    display_.ShowGroup();
    display_.ShowGroupInfo();
}

void GridEditor::resetSelection() {
    {
        const QSignalBlocker blocker(controls_.Grid);
        controls_.Grid->setCurrentCell(-1, -1);
    }
    lastRow_ = -1;
    lastColumn_ = -1;
    hideInPlaceControls();
}

bool GridEditor::eventFilter(QObject* object, QEvent* event) {
    if (object == controls_.Grid && event->type() == QEvent::KeyPress && !delegate_->isEditing()) {
        // While a frequency is edited its editor has seen the key first (editorKey).
        const auto& key = static_cast<const QKeyEvent&>(*event);
        return GridKeyDown(key, false) || GridKeyPress(*controls_.Grid, key);
    }
    if (object == controls_.GridComboBox && event->type() == QEvent::FocusOut) {
        // Its own drop-down and a message box over the window do not take the list away.
        const Qt::FocusReason reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            GridComboBoxExit();
        }
    }
    return QObject::eventFilter(object, event);
}

bool GridEditor::editorKey(QLineEdit& editor, QKeyEvent& event) {
    return GridKeyDown(event, true) || GridKeyPress(editor, event);
}

bool GridEditor::inGrid(const QWidget* widget) const {
    return widget && (widget == controls_.Grid || controls_.Grid->isAncestorOf(widget));
}

// The grid's editor is part of the grid; only a move to another control of the main window counts
// as leaving it (a message box or another program does not).
void GridEditor::gridFocusMoved(QWidget* from, QWidget* to) {
    if (!to || to->window() != form_.window()) return;
    if (inGrid(from) && !inGrid(to)) GridExit();
    // Coming back to the cell it left, the arrows it hid are wanted again.
    if (!inGrid(from) && inGrid(to) && controls_.Grid->currentColumn() == kFrequencyColumn &&
        placeArrows(controls_.Grid->currentRow())) {
        controls_.GridUpDown->show();
    }
}

void GridEditor::GridClick(int row, int column) {
    if (row == lastRow_ && column == lastColumn_) return;
    if (column == kFrequencyColumn) {
        if (lastRow_ >= 0) frequencyCommit(lastRow_);
        controls_.GridComboBox->hide();
        controls_.GridUpDown->setVisible(placeArrows(row));
    } else if (column == kSubtoneColumn) {
        controls_.GridUpDown->hide();
        {
            const QSignalBlocker blocker(controls_.GridComboBox);
            controls_.GridComboBox->setCurrentIndex(storedSubtone(row));
        }
        if (placeSubtoneList(row)) {
            controls_.GridComboBox->show();
            controls_.GridComboBox->setFocus();
        }
    } else {
        hideInPlaceControls();
    }
    lastRow_ = row;
    lastColumn_ = column;
}

void GridEditor::GridExit() {
    const int column = controls_.Grid->currentColumn();
    if (column != kSubtoneColumn) controls_.GridUpDown->hide();
    if (column == kFrequencyColumn) frequencyCommit(controls_.Grid->currentRow());
}

bool GridEditor::GridKeyDown(const QKeyEvent& event, bool editing) {
    if ((event.modifiers() & Qt::ControlModifier) && event.key() == Qt::Key_S) {
        if (serviceKey_ && display_.currentGroup() >= 0) serviceKey_();
        return true;
    }
    // The key is seen before the grid moves: the row committed is the one being left.
    const int row = controls_.Grid->currentRow();
    if (isCommitKey(event.key(), editing) && row >= 0) frequencyCommit(row);
    return false;
}

bool GridEditor::GridKeyPress(QObject& target, const QKeyEvent& event) {
    const QChar separator = displayDecimalSeparator();
    switch (filterTypedKey(event, separator)) {
        case TypedKey::Pass:
            return false;
        case TypedKey::Drop:
            prompter_.beep();
            return true;
        case TypedKey::InsertDecimalSeparator: {
            QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(separator));
            QCoreApplication::sendEvent(&target, &typed);
            return true;
        }
    }
    return false;
}

void GridEditor::GridSetEditText(int row, const QString& text) {
    const int g = display_.currentGroup();
    if (g < 0 || row < 0 || row >= display_.channelCount()) return;
    const std::optional<float> frequency = parseFrequencyText(text);
    if (!frequency) prompter_.beep();
    session_.table().Frequency[g][row] = frequency.value_or(0.0f);
    // The cell shows what is typed until the row is committed and redisplayed.
    if (QTableWidgetItem* item = controls_.Grid->item(row, kFrequencyColumn)) item->setText(text);
}

void GridEditor::GridUpDownClick(int direction) {
    const int g = display_.currentGroup();
    const int row = controls_.Grid->currentRow();
    if (g < 0 || controls_.Grid->currentColumn() != kFrequencyColumn || row < 0 ||
        row >= display_.channelCount()) {
        return;
    }
    switch (stepChannelFrequency(session_.table(), session_.memoryMap(), g, row, direction)) {
        case ChannelStepping::Outcome::OutOfRange:
            prompter_.beep();
            break;
        case ChannelStepping::Outcome::Stepped:
            display_.ShowFrequencies(row, false);
            break;
        case ChannelStepping::Outcome::NotSteppable:
            break;
    }
}

// The product keeps the subtones the device came with.
void GridEditor::GridComboBoxChange(int index) {
    const int stored = storedSubtone(controls_.Grid->currentRow());
    if (index == stored) return;
    {
        const QSignalBlocker blocker(controls_.GridComboBox);
        controls_.GridComboBox->setCurrentIndex(stored);
    }
    prompter_.inform(texts_.LocalText(text::kSubtoneChangeNotAllowed),
                     texts_.LocalText(text::kWarning));
}

void GridEditor::GridComboBoxExit() {
    controls_.GridComboBox->hide();
}

void GridEditor::spinGroupChange(int value) {
    const ChannelTable& table = session_.table();
    const int groups =
        static_cast<int>(std::min(table.PartitionCount, table.allocatedPartitions()));
    if (groups == 0) return;
    const int group = std::clamp(value, 0, groups - 1);
    if (group != value) {
        const QSignalBlocker blocker(controls_.spinGroup);
        controls_.spinGroup->setValue(group);
    }
    resetSelection();
    display_.ShowGroup();
    display_.ShowGroupInfo();
}

int GridEditor::storedSubtone(int channel) const {
    const int g = display_.currentGroup();
    if (g < 0 || channel < 0 || channel >= display_.channelCount()) return -1;
    const int index = session_.table().SubtoneIndex[g][channel];
    return index < session_.table().SubtoneTables.SubtoneCount(g) ? index : -1;
}

bool GridEditor::placeArrows(int row) {
    QTableWidget& grid = *controls_.Grid;
    const QRect cell = grid.visualRect(grid.model()->index(row, kFrequencyColumn));
    if (row < 0 || !grid.viewport()->rect().contains(cell)) return false;
    UpDownControl& arrows = *controls_.GridUpDown;
    const QPoint topLeft = grid.viewport()->mapTo(arrows.parentWidget(), cell.topLeft());
    arrows.setGeometry(topLeft.x() + cell.width() - arrows.width(), topLeft.y(), arrows.width(),
                       cell.height());
    arrows.raise();
    return true;
}

bool GridEditor::placeSubtoneList(int row) {
    QTableWidget& grid = *controls_.Grid;
    const QRect cell = grid.visualRect(grid.model()->index(row, kSubtoneColumn));
    if (row < 0 || !grid.viewport()->rect().contains(cell)) return false;
    QComboBox& list = *controls_.GridComboBox;
    const QPoint topLeft = grid.viewport()->mapTo(list.parentWidget(), cell.topLeft());
    list.setGeometry(topLeft.x(), topLeft.y() + kGridLineWidth, cell.width(), list.height());
    list.raise();
    return true;
}

// The in-place controls lie over the grid, not in it: when it scrolls they follow their cell.
void GridEditor::replaceInPlaceControls() {
    const int row = controls_.Grid->currentRow();
    if (controls_.GridUpDown->isVisible() && !placeArrows(row)) controls_.GridUpDown->hide();
    if (controls_.GridComboBox->isVisible() && !placeSubtoneList(row)) {
        controls_.GridComboBox->hide();
    }
}

void GridEditor::hideInPlaceControls() {
    controls_.GridUpDown->hide();
    controls_.GridComboBox->hide();
}

}  // namespace quorprog
