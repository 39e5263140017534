#include "ui/files/file_name_dialog.h"

namespace quorprog {

QString chooseFileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& defaultSuffix,
                       const QStringList& nameFilters, const QString& title) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    // An existing file is replaced without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix);
    // The filter lists the files; a pattern such as "*.QVM" in the name box would be taken by
    // Qt as a literal file name, so the box starts empty.
    dialog.setNameFilters(nameFilters);
    if (!title.isEmpty()) dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace quorprog
