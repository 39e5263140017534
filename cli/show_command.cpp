#include <iostream>

#include "commands.h"
#include "image_identification.h"
#include "plan_output.h"
#include "printable_text.h"
#include "report.h"

namespace quorprog::cli {

int runShow(CliEnvironment& environment, CommandArguments& arguments) {
    const std::string imageFile = arguments.operand("IMAGE");
    arguments.finish();

    DeviceSession session(environment.description(), environment.sessionServices());
    const int status = identifyImageFile(imageFile, session);
    if (status != kSuccess) return status;
    std::cout << (environment.options().json ? planJson(session)
                                              : terminalText(planText(session, environment)));
    return kSuccess;
}

}  // namespace quorprog::cli
