#include "commands.h"
#include "device_steps.h"
#include "image_file.h"
#include "report.h"

namespace quorprog::cli {

int runRestore(CliEnvironment& environment, CommandArguments& arguments) {
    const int programmer = arguments.positiveOption("-p", 1);
    const bool dryRun = arguments.flag("--dry-run");
    const std::string path = arguments.operand("IMAGE");
    arguments.finish();

    // An image that cannot be read is refused before the device is touched.
    std::string error;
    const auto saved = readImageFile(path, error);
    if (!saved) return fail(error);

    ProgrammerConnection connection(environment);
    DeviceSession session(environment.description(), environment.sessionServices());
    if (!readDevice(environment, connection, programmer, session)) return kFailed;

    switch (session.restore(*saved)) {
        case DeviceSession::RestoreOutcome::Restored:
            return writeOrPreview(environment, connection, session, dryRun);
        case DeviceSession::RestoreOutcome::TooShort:
            return fail(path + ": " + std::to_string(saved->size()) +
                        " bytes are fewer than the memory of the connected device (" +
                        std::to_string(session.image().size()) + " bytes); nothing was written");
        case DeviceSession::RestoreOutcome::OtherModel:
            return fail(path + " is not an image of the connected device's model (" +
                        session.modelName() + "); nothing was written");
        case DeviceSession::RestoreOutcome::Unreadable:
            return fail(path + " is not a whole image of " + session.modelName() + " (" +
                        std::to_string(session.image().size()) +
                        " bytes) that can be decoded; nothing was written");
    }
    return kFailed;
}

}  // namespace quorprog::cli
