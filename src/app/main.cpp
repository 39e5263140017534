#include <QApplication>
#include <QMessageBox>
#include <clocale>
#include <exception>

#include "app/main_window.h"
#include "app/message_box_prompter.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Qt sets the C library's number format from the environment; screen texts take the desktop's
    // decimal separator through Qt, and what the C library prints (the log) stays the same on every
    // desktop.
    std::setlocale(LC_NUMERIC, "C");
    // Names the per-user folders: ~/.config/quorprog/ and ~/.local/share/quorprog/.
    QApplication::setApplicationName(QStringLiteral("quorprog"));
    quorprog::MessageBoxPrompter prompter;
    try {
        auto window =
            quorprog::TformMain::create(quorprog::ShellEnvironment::forThisProgram(prompter));
        if (!window) return 1;
        window->show();
        return application.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorvel Programmer"),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
