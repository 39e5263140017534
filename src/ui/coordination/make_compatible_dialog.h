#pragma once

#include "coordination/group_coordination.h"
#include "ui/coordination/coordination_dialog.h"

class QDoubleSpinBox;
class QPushButton;

namespace quorprog {

// "Make group compatible…": which channels of the group on display would change to what. The
// search keeps to a range, by default around the group's channels (see defaultSearchGrid: the TV
// channels of the chosen region that hold them, or 4 MHz beside them; with TV channels ticked
// to search in, from the lowest to the highest of them); the range stays editable. OK is offered
// only when every channel has a compatible frequency and some channel changes.
class MakeCompatibleDialog : public CoordinationDialog {
    Q_OBJECT
  public:
    MakeCompatibleDialog(CoordinatedGroup group, const LocalTexts& texts,
                         QWidget* parent = nullptr);

    // The proposal on display: what OK stands for.
    const coordination::GroupCoordination& proposal() const { return proposal_; }
    // The grid the search covers now.
    coordination::ChannelGrid searchGrid() const;

  private:
    void refresh() override;
    void choicesChanged() override;
    // Puts the default range into the range fields.
    void showDefaultRange();

    coordination::GroupCoordination proposal_;
    // The TV choices the range fields' default was made for.
    std::optional<coordination::TvRegion> rangeRegion_;
    std::vector<coordination::TvChannel> rangeTicked_;
    bool rangeSearchIn_ = false;
    bool widened_ = false;  // the default range was widened to the whole grid once
    QDoubleSpinBox* from_;
    QDoubleSpinBox* to_;
    QPushButton* ok_;
};

}  // namespace quorprog
