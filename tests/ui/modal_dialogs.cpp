#include "modal_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

namespace quorprog::testing {

void whenModalDialogOpens(std::function<void(QWidget&)> act, int attempts) {
    QTimer::singleShot(50, [act = std::move(act), attempts] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog) {
            act(*dialog);
        } else if (attempts > 0) {
            whenModalDialogOpens(act, attempts - 1);
        } else {
            ADD_FAILURE() << "no dialog opened";
        }
    });
}

void closeDialogLeftOpenAfter(int ms, QObject* owner) {
    QTimer::singleShot(ms, owner, [] {
        if (QWidget* stuck = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "left open: " << stuck->windowTitle().toStdString();
            stuck->close();
        }
    });
}

void chooseFileInNextDialog(const QString& path, QString* title) {
    whenModalDialogOpens([path, title](QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (files == nullptr) {
            ADD_FAILURE() << "not a file dialog: " << dialog.windowTitle().toStdString();
            dialog.close();
            return;
        }
        if (title) *title = files->windowTitle();
        files->setDirectory(QFileInfo(path).absolutePath());
        // What the user types into the name field.
        if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->setText(QFileInfo(path).fileName());
        }
        QMetaObject::invokeMethod(files, "accept");
    });
}

}  // namespace quorprog::testing
