#pragma once

#include <QDialog>

#include "coordination/group_coordination.h"
#include "ui/coordination/coordinated_group.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace quorprog {

class GuardFields;
class LocalTexts;

// "Make group compatible…": which channels of the group on display would change to what. OK is
// offered only when every channel has a compatible frequency and some channel changes. Changing
// a guard computes the proposal again.
class MakeCompatibleDialog : public QDialog {
    Q_OBJECT
  public:
    MakeCompatibleDialog(CoordinatedGroup group, const LocalTexts& texts,
                         QWidget* parent = nullptr);

    coordination::Guards guards() const;
    // The proposal on display: what OK stands for.
    const coordination::GroupCoordination& proposal() const { return proposal_; }

  private:
    void refresh();

    CoordinatedGroup group_;
    const LocalTexts& texts_;
    coordination::GroupCoordination proposal_;
    GuardFields* guards_;
    QLabel* summary_;
    QTableWidget* changes_;
    QPushButton* ok_;
};

}  // namespace quorprog
