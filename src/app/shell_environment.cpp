#include "app/shell_environment.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/serial/settings_port_map.h"

namespace quorprog {
namespace {

QString withTrailingSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

QString helpFolderFor(const QString& executableFolder) {
    const QString beside = QDir(executableFolder).filePath("help");
    if (QFileInfo(beside).isDir()) return beside;
    return QDir::cleanPath(
        QDir(executableFolder).filePath(QStringLiteral(QUORPROG_INSTALLED_HELP_DIR)));
}

}  // namespace

QString programFolderFor(const QString& executableFolder) {
    const QFileInfo folder(executableFolder);
    if (folder.isDir() && folder.isWritable()) return withTrailingSlash(executableFolder);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return withTrailingSlash(data);
}

ShellEnvironment ShellEnvironment::forThisProgram(Prompter& prompter) {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    ShellEnvironment environment;
    environment.programFolder = programFolderFor(executableFolder);
    environment.settingsPath =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/quorprog.ini";
    environment.helpFolder = helpFolderFor(executableFolder);
    environment.backupFolder = defaultBackupFolder();
    environment.prompter = &prompter;
    environment.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return environment;
}

}  // namespace quorprog
