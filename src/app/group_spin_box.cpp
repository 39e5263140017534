#include "app/group_spin_box.h"

namespace quorprog {

QValidator::State GroupSpinBox::validate(QString& text, int& position) const {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok && number > maximum()) {
        // The editor takes the text changed here, and the value (so the grid) follows at once.
        text = textFromValue(maximum());
        position = static_cast<int>(text.size());
        return QValidator::Acceptable;
    }
    return QSpinBox::validate(text, position);
}

}  // namespace quorprog
