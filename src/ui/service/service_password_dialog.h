#pragma once

#include <QDialog>

#include "seams/prompter.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorprog {

// The gate in front of the service data dialog. It closes after every "GO": accepted when the
// password matched, rejected (after telling the user) when it did not.
class TformServicePassword : public QDialog {
    Q_OBJECT

  public:
    TformServicePassword(Prompter& prompter, QWidget* parent = nullptr);

    static constexpr const char* kPassword = "OrchardLantern";

  private:
    void Button1Click();

    Prompter& prompter_;
    QLabel* Label1;
    QLineEdit* editPassword;
    QPushButton* Button1;
};

// Shows the password dialog modally; true when the right password was given.
bool askServicePassword(QWidget* parent, Prompter& prompter);

}  // namespace quorprog
