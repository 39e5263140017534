#include "ui/service/dialog_geometry.h"

#include <QFont>
#include <QLabel>

namespace quorprog {

void useClassicDialogFont(QWidget& dialog) {
    QFont font = dialog.font();
    font.setPointSize(8);
    dialog.setFont(font);
}

QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace quorprog
