#pragma once

#include "cli_environment.h"
#include "command_line.h"

namespace quorprog::cli {

// One function per command: each takes its own arguments (a wrong one throws UsageError before
// anything is done) and returns the exit status.
int runScan(CliEnvironment& environment, CommandArguments& arguments);
int runRead(CliEnvironment& environment, CommandArguments& arguments);
int runShow(CliEnvironment& environment, CommandArguments& arguments);
int runProgram(CliEnvironment& environment, CommandArguments& arguments);
int runMap(CliEnvironment& environment, CommandArguments& arguments);
int runQvm(CliEnvironment& environment, CommandArguments& arguments);
int runDiff(CliEnvironment& environment, CommandArguments& arguments);
int runRestore(CliEnvironment& environment, CommandArguments& arguments);
int runBackups(CliEnvironment& environment, CommandArguments& arguments);
int runPorts(CliEnvironment& environment, CommandArguments& arguments);
int runSheet(CliEnvironment& environment, CommandArguments& arguments);
int runCheck(CliEnvironment& environment, CommandArguments& arguments);
int runCoordinate(CliEnvironment& environment, CommandArguments& arguments);
int runExportCsv(CliEnvironment& environment, CommandArguments& arguments);
int runImportCsv(CliEnvironment& environment, CommandArguments& arguments);
int runSpectrum(CliEnvironment& environment, CommandArguments& arguments);

}  // namespace quorprog::cli
