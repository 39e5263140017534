#pragma once

#include <QGroupBox>

#include "coordination/coordination_rules.h"

class QDoubleSpinBox;

namespace quorprog {

class LocalTexts;

// The four guards of a coordination dialog, in kHz. changed() follows a value the user has
// finished (Enter, the arrows, leaving the field), not every key typed.
class GuardFields : public QGroupBox {
    Q_OBJECT
  public:
    GuardFields(const coordination::Guards& guards, const LocalTexts& texts,
                QWidget* parent = nullptr);

    coordination::Guards guards() const;

  signals:
    void changed();

  private:
    QDoubleSpinBox* spacing_;
    QDoubleSpinBox* im3_;
    QDoubleSpinBox* im3x3_;
    QDoubleSpinBox* im5_;
};

}  // namespace quorprog
