#include "service/dialog_geometry.h"

#include <QLabel>

namespace quorprog {

QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace quorprog
