#include "ui/service/service_password_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/service/dialog_geometry.h"
#include "ui/service/masked_line_edit.h"

namespace quorprog {

TformServicePassword::TformServicePassword(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName("formServicePassword");
    setWindowTitle("Service Password");
    setFixedSize(clientSizeForOuter(296, 104));
    useClassicDialogFont(*this);

    Label1 = placeLabel(this, "Label1", "Please enter password to access the service mode:", 8, 8);

    editPassword = new QLineEdit(this);
    editPassword->setObjectName("editPassword");
    editPassword->setGeometry(8, 32, 185, 21);
    maskWithAsterisks(*editPassword);

    Button1 = new QPushButton("GO", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(200, 31, 75, 25);
    // Enter in the edit must not count as "GO".
    Button1->setAutoDefault(false);
    Button1->setDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TformServicePassword::Button1Click);

    editPassword->setFocus();
}

void TformServicePassword::Button1Click() {
    if (editPassword->text() == QLatin1String(kPassword)) {
        accept();
        return;
    }
    prompter_.inform("Sorry, wrong password!", "error");
    reject();
}

bool askServicePassword(QWidget* parent, Prompter& prompter) {
    TformServicePassword dialog(prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace quorprog
