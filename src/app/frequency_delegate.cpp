#include "app/frequency_delegate.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace quorprog {

FrequencyDelegate::FrequencyDelegate(QObject* parent, KeyHandler onKey, TextHandler onText)
    : QStyledItemDelegate(parent), onKey_(std::move(onKey)), onText_(std::move(onText)) {}

QWidget* FrequencyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    auto* lineEdit = new QLineEdit(parent);
    lineEdit->setObjectName(QStringLiteral("GridEditor"));
    lineEdit->setFrame(false);
    const int row = index.row();
    connect(lineEdit, &QLineEdit::textEdited, this,
            [this, row](const QString& text) { onText_(row, text); });
    editor_ = lineEdit;
    return lineEdit;
}

// Called when the editor opens and whenever its cell changes; the text the user is typing is
// mirrored into the cell, and setting it again would move the cursor.
void FrequencyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* lineEdit = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (lineEdit->text() != text) lineEdit->setText(text);
}

bool FrequencyDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* lineEdit = qobject_cast<QLineEdit*>(object);
    if (event->type() == QEvent::KeyPress && lineEdit &&
        onKey_(*lineEdit, static_cast<QKeyEvent&>(*event))) {
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace quorprog
