#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>

#include "ui/coordination/coordinated_group.h"

class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace quorprog {

class GuardFields;
class LocalTexts;

// What both coordination dialogs show: the guards, a summary line, a table with the given
// column titles (text ids) and a row of buttons, which the dialog adds. A guard the user changes
// goes into group().rules and refresh() runs; the dialog calls it once itself when its buttons
// are in place.
class CoordinationDialog : public QDialog {
    Q_OBJECT
  public:
    coordination::Guards guards() const;

  protected:
    CoordinationDialog(CoordinatedGroup group, const LocalTexts& texts, int titleText,
                       std::initializer_list<int> columnTexts, const char* tableName,
                       QWidget* parent);

    virtual void refresh() = 0;

    QString local(int textId) const;
    const CoordinatedGroup& group() const { return group_; }

    QLabel* summary_;
    QTableWidget* table_;
    QDialogButtonBox* buttons_;

  private:
    CoordinatedGroup group_;
    const LocalTexts& texts_;
    GuardFields* guards_;
};

}  // namespace quorprog
