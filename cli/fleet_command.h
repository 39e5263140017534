#pragma once

#include "cli_environment.h"
#include "command_line.h"

namespace quorprog::cli {

// program FILE.qvm --ports COM1,COM3 | --all-ports [--map ...] [--dry-run] [--rounds N]
// [--report FILE]: every programmer at once, round after round. The exit status: 0 only when
// every device of every round succeeded.
int programSeveralDevices(CliEnvironment& environment, CommandArguments& arguments,
                          bool allPorts);

}  // namespace quorprog::cli
