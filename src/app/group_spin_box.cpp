#include "app/group_spin_box.h"

namespace quorprog {

namespace {

bool beyond(const QString& text, int maximum) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number > maximum;
}

}  // namespace

QValidator::State GroupSpinBox::validate(QString& text, int& position) const {
    const QValidator::State state = QSpinBox::validate(text, position);
    return state == QValidator::Invalid && beyond(text, maximum()) ? QValidator::Intermediate
                                                                   : state;
}

void GroupSpinBox::fixup(QString& text) const {
    if (beyond(text, maximum())) {
        text = textFromValue(maximum());
    } else {
        QSpinBox::fixup(text);
    }
}

}  // namespace quorprog
