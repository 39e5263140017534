
#include "commands.h"
#include "device_steps.h"
#include "image_file.h"
#include "plan_output.h"
#include "printable_text.h"
#include "programmer_connection.h"
#include "report.h"

namespace quorprog::cli {

int runRead(CliEnvironment& environment, CommandArguments& arguments) {
    const int programmer = arguments.positiveOption("-p", 1);
    const std::string imageFile = arguments.option("-o");
    arguments.finish();

    ProgrammerConnection connection(environment);
    DeviceSession session(environment.description(), environment.sessionServices());
    if (!readDevice(environment, connection, programmer, session)) return kFailed;

    std::string error;
    if (!imageFile.empty() && !writeImageFile(imageFile, session.image().bytes(), error)) {
        return fail(error);
    }
    printOut(environment.options().json ? planJson(session) : planText(session, environment));
    return kSuccess;
}

}  // namespace quorprog::cli
