
#include "change_output.h"
#include "printable_text.h"
#include "commands.h"
#include "image_file.h"
#include "report.h"

namespace quorprog::cli {

namespace {

// The model an image file belongs to; empty (the reason told) when it cannot be named.
std::string modelOf(CliEnvironment& environment, const std::string& path, const Bytes& bytes) {
    DeviceSession session(environment.description(), environment.sessionServices());
    const Detection detection = session.load(bytes, DeviceSession::LoadMode::IdentifyOnly);
    if (detection == Detection::Identified) return session.modelName();
    if (detection != Detection::MalformedDescription) {
        fail(path + ": no model of the description matches this image");
    }
    return {};
}

}  // namespace

int runDiff(CliEnvironment& environment, CommandArguments& arguments) {
    const std::string firstPath = arguments.operand("IMAGE_A");
    const std::string secondPath = arguments.operand("IMAGE_B");
    arguments.finish();

    std::string error;
    const auto first = readImageFile(firstPath, error);
    if (!first) return fail(error);
    const auto second = readImageFile(secondPath, error);
    if (!second) return fail(error);

    const std::string model = modelOf(environment, firstPath, *first);
    if (model.empty()) return kFailed;
    const std::string secondModel = modelOf(environment, secondPath, *second);
    if (secondModel.empty()) return kFailed;
    if (secondModel != model || first->size() != second->size()) {
        return fail("the images are not of the same model: " + firstPath + " is " + model + " (" +
                    std::to_string(first->size()) + " bytes), " + secondPath + " is " +
                    secondModel + " (" + std::to_string(second->size()) + " bytes)");
    }

    const auto changes = listImageChanges(environment.description(), model, *first, *second);
    printOut(changesOutput(changes, environment));
    return changes.empty() ? kSuccess : kDifferencesFound;
}

}  // namespace quorprog::cli
