#pragma once

#include "coordination/group_coordination.h"
#include "ui/coordination/coordination_dialog.h"

class QPushButton;

namespace quorprog {

// "Make group compatible…": which channels of the group on display would change to what. OK is
// offered only when every channel has a compatible frequency and some channel changes.
class MakeCompatibleDialog : public CoordinationDialog {
    Q_OBJECT
  public:
    MakeCompatibleDialog(CoordinatedGroup group, const LocalTexts& texts,
                         QWidget* parent = nullptr);

    // The proposal on display: what OK stands for.
    const coordination::GroupCoordination& proposal() const { return proposal_; }

  private:
    void refresh() override;

    coordination::GroupCoordination proposal_;
    QPushButton* ok_;
};

}  // namespace quorprog
