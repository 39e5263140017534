#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

class QKeyEvent;

namespace quorprog {

// The in-place editor of the grid's frequency column. What the editor shows goes into the channel
// table as it is typed (textEdited); the cell is always filled from the table, so closing the
// editor writes nothing back, and an open editor follows its cell when the cell is redisplayed.
class FrequencyDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // A key pressed in the editor, before the editor sees it; true when it was consumed.
    using KeyHandler = std::function<bool(QLineEdit& editor, QKeyEvent& event)>;
    // The editor's text after every change made by the user, with the grid row it edits.
    using TextHandler = std::function<void(int row, const QString& text)>;

    FrequencyDelegate(QObject* parent, KeyHandler onKey, TextHandler onText);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

    // True while a frequency is being edited.
    bool isEditing() const { return editor_ && !editor_->isHidden(); }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    KeyHandler onKey_;
    TextHandler onText_;
    mutable QPointer<QLineEdit> editor_;
};

}  // namespace quorprog
