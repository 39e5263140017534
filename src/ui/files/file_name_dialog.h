#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

namespace quorprog {

// The file name the user picks in a file dialog, or the empty text when the dialog is cancelled.
// Saving replaces an existing file without a question and adds `defaultSuffix` to a bare name;
// opening takes existing files only. `nameFilters` list the files ("Name (*.ext *.EXT)"), the
// first chosen at the start, and `title`, when given, heads the dialog.
QString chooseFileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& defaultSuffix,
                       const QStringList& nameFilters, const QString& title = {});

}  // namespace quorprog
