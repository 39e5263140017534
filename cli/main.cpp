// quorprog-cli: the Quorvel Programmer's read, show and write commands without a window.
#include <QCoreApplication>
#include <functional>
#include <iostream>
#include <map>

#include "cli_environment.h"
#include "command_line.h"
#include "commands.h"
#include "help_text.h"
#include "report.h"

namespace {

using namespace quorprog::cli;

using Command = std::function<int(CliEnvironment&, CommandArguments&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"scan", runScan},
        {"read", runRead},
        {"show", runShow},
        {"program", runProgram},
        {"map", runMap},
        {"qvm", runQvm},
        {"check", runCheck},
        {"coordinate", runCoordinate},
        {"export-csv", runExportCsv},
        {"import-csv", runImportCsv},
    };
    return table;
}

int usageError(const std::string& message) {
    std::cerr << "quorprog-cli: " << message << "\nTry 'quorprog-cli --help'." << std::endl;
    return kUsageError;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    // The same per-user folder as the program, so quorprog.ini and its [PORTS] are shared.
    QCoreApplication::setApplicationName(QStringLiteral("quorprog"));

    try {
        const CommandLine line = parseCommandLine({argv + 1, argv + argc});
        if (line.help) {
            std::cout << kHelpText;
            return kSuccess;
        }
        if (line.version) {
            std::cout << "quorprog-cli " << QUORPROG_VERSION << "\n";
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
