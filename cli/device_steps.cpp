#include "device_steps.h"

#include "change_output.h"
#include "printable_text.h"
#include "report.h"

namespace quorprog::cli {

bool readDevice(CliEnvironment& environment, ProgrammerConnection& connection, int programmer,
                DeviceSession& session) {
    if (!connection.choose(programmer)) return false;
    session.setBackups(environment.backups());
    return session.read(connection.link());
}

int writeOrPreview(CliEnvironment& environment, ProgrammerConnection& connection,
                   DeviceSession& session, bool dryRun) {
    if (dryRun) {
        printOut(changesOutput(session.pendingChanges(), environment));
        return kSuccess;
    }
    const bool written = session.write(
        connection.link(), [](int level) { note("programmer battery " + std::to_string(level)); });
    return written ? kSuccess : kFailed;
}

}  // namespace quorprog::cli
