#pragma once

#include <QDialog>

#include "ui/coordination/coordinated_group.h"

class QLabel;
class QTableWidget;

namespace quorprog {

class GuardFields;
class LocalTexts;

// "Check compatibility…": the conflicts of the group on display, one row each (channel, kind,
// sources, product, distance), or that the group is compatible. Changing a guard checks again.
class CompatibilityCheckDialog : public QDialog {
    Q_OBJECT
  public:
    CompatibilityCheckDialog(CoordinatedGroup group, const LocalTexts& texts,
                             QWidget* parent = nullptr);

    coordination::Guards guards() const;

  private:
    void refresh();

    CoordinatedGroup group_;
    const LocalTexts& texts_;
    GuardFields* guards_;
    QLabel* summary_;
    QTableWidget* conflicts_;
};

}  // namespace quorprog
