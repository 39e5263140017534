#pragma once

#include <QString>
#include <filesystem>

#include "app/help_pages.h"

namespace quorprog {

class Prompter;

// Where the main window keeps its files and how it reaches the user. The program builds it from
// the executable's place (forThisProgram); tests build it from temporary folders and fakes.
struct ShellEnvironment {
    QString programFolder;  // log.txt and quorprog.cfg; ends in "/"
    QString settingsPath;   // quorprog.ini
    QString helpFolder;     // the help pages, one per language and website.html
    // Where reads and writes keep their device backups; empty: no backups are kept.
    std::filesystem::path backupFolder;
    Prompter* prompter = nullptr;
    HelpPages::UrlOpener openUrl;

    // The executable's folder, or the per-user data folder when that one is not writable (an
    // installed program); the settings in the per-user configuration folder; the help pages
    // beside the executable, or in the installation's data folder; the backups in the per-user
    // data folder, shared with quorprog-cli.
    static ShellEnvironment forThisProgram(Prompter& prompter);
};

// `executableFolder` when the program may write there, else the per-user data folder; with a
// trailing "/".
QString programFolderFor(const QString& executableFolder);

}  // namespace quorprog
