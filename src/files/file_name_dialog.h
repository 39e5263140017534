#pragma once

#include <QFileDialog>
#include <QString>

namespace quorprog {

// The file name the user picks in a file dialog, or the empty text when the dialog is cancelled.
// Saving replaces an existing file without a question and adds `defaultSuffix` to a bare name;
// opening takes existing files only. `nameFilter` lists the files ("Name (*.ext *.EXT)"), and
// `title`, when given, heads the dialog.
QString chooseFileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& defaultSuffix,
                       const QString& nameFilter, const QString& title = {});

}  // namespace quorprog
