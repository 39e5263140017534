#include "app/help_pages.h"

#include <QDir>
#include <QFileInfo>

namespace quorprog {

bool HelpPages::open(const QString& fileName) const {
    const QString page = QDir(folder_).filePath(fileName);
    if (!QFileInfo::exists(page)) return false;
    openUrl_(QUrl::fromLocalFile(page));
    return true;
}

}  // namespace quorprog
