#pragma once

#include "ui/coordination/coordination_dialog.h"

namespace quorprog {

// "Check compatibility…": the conflicts of the group on display, one row each (channel, kind,
// sources, product, distance), or that the group is compatible; "Spectrum…" shows them.
class CompatibilityCheckDialog : public CoordinationDialog {
    Q_OBJECT
  public:
    CompatibilityCheckDialog(CoordinatedGroup group, const LocalTexts& texts,
                             QWidget* parent = nullptr);

  private:
    void refresh() override;
    void showSpectrum();
};

}  // namespace quorprog
