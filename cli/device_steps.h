#pragma once

#include "cli_environment.h"
#include "programmer_connection.h"
#include "session/device_session.h"

namespace quorprog::cli {

// The steps the device commands share.

// Chooses the n-th programmer found and runs the read command into `session`, which keeps its
// backups in the program's folder unless --no-backup. False when either failed (told already).
bool readDevice(CliEnvironment& environment, ProgrammerConnection& connection, int programmer,
                DeviceSession& session);

// Once the image holds what is to be written: with `dryRun` prints what the write would change
// and writes nothing; otherwise runs the write command. The exit status.
int writeOrPreview(CliEnvironment& environment, ProgrammerConnection& connection,
                   DeviceSession& session, bool dryRun);

}  // namespace quorprog::cli
