#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>

#include "ui/coordination/coordinated_group.h"

class QDialogButtonBox;
class QLabel;
class QTableWidget;
class QVBoxLayout;

namespace quorprog {

class GuardFields;
class LocalTexts;
class SiteFields;

// What both coordination dialogs show: the guards with the profile and the receiver window, the
// scan and the TV channels, a summary line, a table with the given column titles (text ids) and a
// row of buttons, which the dialog adds. A value the user changes goes into group().choices and
// refresh() runs; the dialog calls it once itself when its buttons are in place.
class CoordinationDialog : public QDialog {
    Q_OBJECT
  public:
    // What the dialog was left with: what the caller keeps when the dialog is accepted.
    const CoordinationChoices& choices() const { return group_.choices; }
    SiteFields& site() const { return *site_; }

  protected:
    CoordinationDialog(CoordinatedGroup group, const LocalTexts& texts, int titleText,
                       std::initializer_list<int> columnTexts, const char* tableName,
                       QWidget* parent);

    virtual void refresh() = 0;
    // Enter confirms a number typed into a field; it must not press OK and commit a proposal the
    // user has not seen yet.
    void keyPressEvent(QKeyEvent* event) override;
    // Called when a choice changed, before refresh().
    virtual void choicesChanged() {}

    QString local(int textId) const;
    const CoordinatedGroup& group() const { return group_; }
    const LocalTexts& texts() const { return texts_; }

    QVBoxLayout* layout_;
    QLabel* summary_;
    QTableWidget* table_;
    QDialogButtonBox* buttons_;

  private:
    CoordinatedGroup group_;
    const LocalTexts& texts_;
    GuardFields* guards_;
    SiteFields* site_;
};

}  // namespace quorprog
