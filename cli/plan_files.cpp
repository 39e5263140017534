#include "plan_files.h"

#include "files/file_bytes.h"
#include "image_file.h"
#include "report.h"
#include "text/text_ids.h"

namespace quorprog::cli {

int readChannelFile(CliEnvironment& environment, const std::string& path, ChannelFile& file,
                    Bytes* raw) {
    auto bytes = readFileBytes(path);
    if (!bytes) return fail("cannot read " + path);
    ChannelFileParse parsed = parseChannelFile(*bytes);
    switch (parsed.error) {
        case ChannelFileError::NotAChannelFile:
            environment.prompter().inform(environment.text(text::kFileCorrupt),
                                          environment.text(text::kError));
            return kFailed;
        case ChannelFileError::Truncated:
            return failTruncatedChannelFile(path);
        case ChannelFileError::None:
            break;
    }
    file = std::move(parsed.file);
    if (raw) *raw = std::move(*bytes);
    return kSuccess;
}

int loadImageFile(const std::string& path, DeviceSession& session) {
    std::string error;
    const auto bytes = readImageFile(path, error);
    if (!bytes) return fail(error);
    switch (session.load(*bytes)) {
        case Detection::Identified:
            return kSuccess;
        case Detection::NoModel:
            return fail(path + ": no model of the description matches this image");
        case Detection::BankFailed:
            return fail(path + ": " + std::to_string(bytes->size()) +
                        " bytes are fewer than the memory of a model tried needs (raw images "
                        "hold whole 256-byte banks)");
        case Detection::SetUpFailed:
            return fail(path + ": the detected model could not be set up from this image");
        case Detection::MalformedDescription:
            return kFailed;
    }
    return kFailed;
}

int writeChannelFile(const std::string& path, const ChannelFile& file) {
    return writeFileBytes(path, serializeChannelFile(file)) ? kSuccess
                                                            : fail("cannot write " + path);
}

}  // namespace quorprog::cli
