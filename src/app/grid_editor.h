#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace quorprog {

class DeviceSession;
class FrequencyDelegate;
class GroupView;
class LocalTexts;
class Prompter;
struct MainWindowControls;

// Editing of the channel grid: frequencies typed into the table as they change, committed into
// the memory image at fixed points (a key that leaves the cell, entering the frequency column, the
// grid losing the focus), stepped with the in-place arrows; subtones shown in the in-place list but
// not changeable; the group chosen with spinGroup.
class GridEditor : public QObject {
    Q_OBJECT
  public:
    // `form` is the window the grid lies on; leaving the grid for another of its controls is
    // a commit point.
    GridEditor(QObject* owner, QWidget& form, const MainWindowControls& controls,
               DeviceSession& session, GroupView& display, Prompter& prompter,
               const LocalTexts& texts);
    ~GridEditor() override;

    // Encodes channel k of the group on display (every channel when k is -1) into the memory
    // image, beeps when a frequency was cleared or moved onto the channel step, and shows the
    // result.
    void frequencyCommit(int k);

    // Ctrl+S in the grid, from any cell and also while a frequency is being edited.
    void setServiceKey(std::function<void()> serviceKey) { serviceKey_ = std::move(serviceKey); }

    // A device has been read: the grid and the group number open for editing, group 0 shown.
    void showNewDevice();

    // Forgets the cell last selected and hides the in-place controls: a new group (or device)
    // starts with nothing to commit.
    void resetSelection();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void GridClick(int row, int column);
    void GridExit();
    // A key that leaves the cell commits the row being left (`editing`: the key reached the open
    // editor); Ctrl+S opens the service mode. True when the key was consumed.
    bool GridKeyDown(const QKeyEvent& event, bool editing);
    // The character filter; `target` receives the decimal separator that stands for ".". True
    // when the key was consumed.
    bool GridKeyPress(QObject& target, const QKeyEvent& event);
    void GridSetEditText(int row, const QString& text);
    void GridUpDownClick(int direction);
    void GridComboBoxChange(int index);
    void GridComboBoxExit();
    void spinGroupChange(int value);

    bool editorKey(QLineEdit& editor, QKeyEvent& event);
    void gridFocusMoved(QWidget* from, QWidget* to);
    // Puts the arrows (column 1) or the list (column 2) over the current cell; false when the cell
    // is scrolled out of sight.
    bool placeArrows(int row);
    bool placeSubtoneList(int row);
    void replaceInPlaceControls();
    void hideInPlaceControls();
    // Position of channel c's subtone in the list; -1 when beyond the group's list.
    int storedSubtone(int channel) const;
    bool inGrid(const QWidget* widget) const;

    QWidget& form_;
    const MainWindowControls& controls_;
    DeviceSession& session_;
    GroupView& display_;
    Prompter& prompter_;
    const LocalTexts& texts_;
    FrequencyDelegate* delegate_;
    std::function<void()> serviceKey_;
    int lastRow_ = -1;
    int lastColumn_ = -1;
};

}  // namespace quorprog
