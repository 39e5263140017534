#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace quorprog::testing {

// The dialogs under test block in their own loops; these act on them from a timer.
constexpr int kDialogWaitMs = 20000;

// Runs `act` on the next modal dialog once it is up. Gives up after about kDialogWaitMs.
void whenModalDialogOpens(std::function<void(QWidget&)> act, int attempts = kDialogWaitMs / 50);

// A dialog still open after `ms` fails the test and is closed, so that the test ends. The watch
// ends with `owner`.
void closeDialogLeftOpenAfter(int ms, QObject* owner);

// Answers the next file dialog with `path`, typed into its name field; `title`, when given,
// receives the dialog's title.
void chooseFileInNextDialog(const QString& path, QString* title = nullptr);

}  // namespace quorprog::testing
