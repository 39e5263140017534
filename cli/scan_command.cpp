
#include "commands.h"
#include "printable_text.h"
#include "programmer_connection.h"
#include "report.h"

namespace quorprog::cli {

int runScan(CliEnvironment& environment, CommandArguments& arguments) {
    arguments.finish();
    ProgrammerConnection connection(environment);
    if (connection.link().ScanProgrammers() == 0) {
        return fail(connection.whyNoneFound());
    }
    for (const std::string& entry : connection.link().ProgrammerEntries()) {
        printOut(entry + "\n");
    }
    return kSuccess;
}

}  // namespace quorprog::cli
