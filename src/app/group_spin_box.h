#pragma once

#include <QSpinBox>

namespace quorprog {

// spinGroup: a number typed beyond the last group is taken and stands for the last group, where a
// plain spin box would refuse the keystroke.
class GroupSpinBox : public QSpinBox {
    Q_OBJECT
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;
};

}  // namespace quorprog
