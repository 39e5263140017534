#include "image_identification.h"

#include "image_file.h"
#include "report.h"

namespace quorprog::cli {

int identifyImageFile(const std::string& imageFile, DeviceSession& session) {
    std::string error;
    const auto bytes = readImageFile(imageFile, error);
    if (!bytes) return fail(error);

    switch (session.load(*bytes)) {
        case Detection::Identified:
            return kSuccess;
        case Detection::NoModel:
            return fail(imageFile + ": no model of the description matches this image");
        case Detection::BankFailed:
            return fail(imageFile + ": " + std::to_string(bytes->size()) +
                        " bytes are fewer than the memory of a model tried needs (raw images "
                        "hold whole 256-byte banks)");
        case Detection::SetUpFailed:
            return fail(imageFile + ": the detected model could not be set up from this image");
        case Detection::MalformedDescription:
            return kFailed;
    }
    return kFailed;
}

}  // namespace quorprog::cli
