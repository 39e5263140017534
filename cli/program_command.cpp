#include <iostream>

#include "commands.h"
#include "device_steps.h"
#include "fleet/plan_application.h"
#include "fleet_command.h"
#include "group_map_option.h"
#include "plan_files.h"
#include "report.h"
#include "text/text_ids.h"

namespace quorprog::cli {

int runProgram(CliEnvironment& environment, CommandArguments& arguments) {
    const bool allPorts = arguments.flag("--all-ports");
    if (allPorts || arguments.has("--ports")) {
        return programSeveralDevices(environment, arguments, allPorts);
    }
    const int programmer = arguments.positiveOption("-p", 1);
    const bool dryRun = arguments.flag("--dry-run");
    const bool mapGiven = arguments.has("--map");
    const GroupMap pairs = mapGiven ? parseGroupMap(arguments.option("--map")) : GroupMap{};
    const std::string path = arguments.operand("FILE.qvm");
    arguments.finish();

    // A file that cannot be used is refused before the device is touched.
    ChannelFile checked;  // opened again below against the device's table
    Bytes bytes;
    if (const int status = readChannelFile(environment, path, checked, &bytes); status != kSuccess)
        return status;

    ProgrammerConnection connection(environment);
    DeviceSession session(environment.description(), environment.sessionServices());
    if (!readDevice(environment, connection, programmer, session)) return kFailed;

    const PlanApplication plan = applyChannelPlan(session, bytes, mapGiven ? &pairs : nullptr,
                                                  environment.prompter(), environment.texts());
    switch (plan.outcome) {
        case PlanApplication::Outcome::Applied:
            break;
        case PlanApplication::Outcome::Refused:
            return kFailed;
        case PlanApplication::Outcome::NeedsMap:
            return fail(path + " " + plan.problem);
        case PlanApplication::Outcome::BadMap:
            return fail(plan.problem);
    }
    for (const std::string& remark : plan.notes) note(remark);
    return writeOrPreview(environment, connection, session, dryRun);
}

}  // namespace quorprog::cli
