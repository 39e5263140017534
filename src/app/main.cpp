#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/main_window.h"
#include "app/message_box_prompter.h"

namespace {

// quorprog [FILE]: --help, --version and the channel file a file manager passes (Exec=quorprog %f).
QString fileFromCommandLine(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Quorvel Programmer: reads, edits and writes the channel plans of Quorvel wireless "
        "audio devices through the Quorvel programmer box."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE.qvm"),
        QStringLiteral("A channel file to open as \"open file\" would (after the first read when "
                       "no device has been read yet)."),
        QStringLiteral("[FILE.qvm]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("quorprog opens one file at a time (see --help)\n", stderr);
        std::exit(2);
    }
    return files.isEmpty() ? QString() : files.constFirst();
}

// --help and --version answer on the terminal, with no display needed.
bool asksForTextOnly(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" ||
            argument == "-v" || argument == "--version") {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("quorprog"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORPROG_VERSION));
    if (asksForTextOnly(argc, argv)) {
        const QCoreApplication terminal(argc, argv);
        fileFromCommandLine(terminal);  // prints the text and ends the program
    }
    QApplication application(argc, argv);
    // Qt sets the C library's number format from the environment; screen texts take the desktop's
    // decimal separator through Qt, and what the C library prints (the log) stays the same on every
    // desktop.
    std::setlocale(LC_NUMERIC, "C");
    // The application name set above names the per-user folders: ~/.config/quorprog/ and
    // ~/.local/share/quorprog/.
    const QString file = fileFromCommandLine(application);
    quorprog::MessageBoxPrompter prompter;
    try {
        auto window =
            quorprog::TformMain::create(quorprog::ShellEnvironment::forThisProgram(prompter));
        if (!window) return 1;
        window->show();
        if (!file.isEmpty()) window->openFileAtStart(file);
        return application.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorvel Programmer"),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
