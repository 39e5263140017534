
#include "commands.h"
#include "plan_files.h"
#include "plan_output.h"
#include "printable_text.h"

namespace quorprog::cli {

int runShow(CliEnvironment& environment, CommandArguments& arguments) {
    const std::string imageFile = arguments.operand("IMAGE");
    arguments.finish();

    DeviceSession session(environment.description(), environment.sessionServices());
    if (const int status = loadImageFile(imageFile, session); status != kSuccess) return status;
    printOut(environment.options().json ? planJson(session) : planText(session, environment));
    return kSuccess;
}

}  // namespace quorprog::cli
