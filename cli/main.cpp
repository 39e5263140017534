// quorprog-cli: the Quorvel Programmer's read, show and write commands without a window.
#include <QCoreApplication>
#include <QGuiApplication>
#include <clocale>
#include <functional>
#include <map>
#include <memory>

#include "cli_environment.h"
#include "command_line.h"
#include "commands.h"
#include "help_text.h"
#include "printable_text.h"
#include "report.h"

namespace {

using namespace quorprog::cli;

using Command = std::function<int(CliEnvironment&, CommandArguments&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"scan", runScan},       {"read", runRead},         {"show", runShow},
        {"program", runProgram}, {"map", runMap},           {"qvm", runQvm},
        {"diff", runDiff},       {"restore", runRestore},   {"backups", runBackups},
        {"ports", runPorts},     {"sheet", runSheet},       {"check", runCheck},
        {"coordinate", runCoordinate}, {"export-csv", runExportCsv}, {"import-csv", runImportCsv},
        {"spectrum", runSpectrum},
    };
    return table;
}

int usageError(const std::string& message) {
    printError("quorprog-cli: " + message + "\nTry 'quorprog-cli --help'.\n");
    return kUsageError;
}

// The sheet and the spectrum are drawn with the system's fonts, which take a GUI application;
// they draw offscreen, so they need no display. Every other command needs only the core
// application.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[], bool drawing) {
    if (!drawing) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Qt's own warnings name ports and files from outside too: they go through the one printer.
void printQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    printError(qFormatLogMessage(type, context, message).toStdString() + "\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(printQtMessage);
    try {
        const CommandLine line = parseCommandLine({argv + 1, argv + argc});
        const bool drawing = line.command == "sheet" || line.command == "spectrum";
        const auto application = makeApplication(argc, argv, drawing);
        // The application object takes the C library's number format from the environment; the
        // tool's output is read by programs and means the same on every desktop.
        std::setlocale(LC_NUMERIC, "C");
        // The same per-user folder as the program, so quorprog.ini and its [PORTS] are shared.
        QCoreApplication::setApplicationName(QStringLiteral("quorprog"));
        if (line.help) {
            printOut(kHelpText);
            return kSuccess;
        }
        if (line.version) {
            printOut("quorprog-cli " QUORPROG_VERSION "\n");
            return kSuccess;
        }
        const auto command = commands().find(line.command);
        if (command == commands().end()) return usageError("unknown command " + line.command);

        std::string error;
        const auto environment = CliEnvironment::create(line.options, error);
        if (!environment) return fail(error);
        CommandArguments arguments(line.command, line.arguments);
        return command->second(*environment, arguments);
    } catch (const UsageError& error) {
        return usageError(error.what());
    }
}
