#pragma once

#include <string>

#include "command_line.h"
#include "printable_text.h"

namespace quorprog::cli {

// A failure of the tool itself (not one of the program's message boxes), on standard error.
inline int fail(const std::string& message) {
    printError("quorprog-cli: " + message + "\n");
    return kFailed;
}

// A channel file whose header promises more than the file holds.
inline int failTruncatedChannelFile(const std::string& path) {
    return fail(path + " ends before the sizes in its header say");
}

// A remark that does not change the outcome.
inline void note(const std::string& message) {
    printError("quorprog-cli: " + message + "\n");
}

}  // namespace quorprog::cli
