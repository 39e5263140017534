#pragma once

#include <QGroupBox>
#include <string>

#include "coordination/coordination_rules.h"

class QComboBox;
class QDoubleSpinBox;

namespace quorprog {

class LocalTexts;
struct CoordinationChoices;

// The four guards of a coordination dialog in kHz, and beside them the profile list and the
// receiver window in MHz. Choosing a profile sets the guards and the window; changing one by hand
// leaves the profile (the list shows "as set"). changed() follows a value the user has finished
// (Enter, the arrows, leaving the field), not every key typed.
class GuardFields : public QGroupBox {
    Q_OBJECT
  public:
    GuardFields(const CoordinationChoices& choices, const LocalTexts& texts,
                QWidget* parent = nullptr);

    coordination::Guards guards() const;
    std::string profile() const;
    coordination::Hertz window() const;

  signals:
    void changed();

  private:
    void applyProfile();
    void valueEdited();

    QDoubleSpinBox* spacing_;
    QDoubleSpinBox* im3_;
    QDoubleSpinBox* im3x3_;
    QDoubleSpinBox* im5_;
    QComboBox* profile_;
    QDoubleSpinBox* window_;
};

}  // namespace quorprog
