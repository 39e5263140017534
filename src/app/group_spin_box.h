#pragma once

#include <QSpinBox>

namespace quorprog {

// spinGroup: a number typed beyond the last group is taken and becomes the last group as it is
// typed, where a plain spin box would refuse the keystroke (or keep showing the group of the
// digits before until Enter).
class GroupSpinBox : public QSpinBox {
    Q_OBJECT
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& text, int& position) const override;
};

}  // namespace quorprog
