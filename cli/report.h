#pragma once

#include <iostream>
#include <string>

#include "command_line.h"

namespace quorprog::cli {

// A failure of the tool itself (not one of the program's message boxes), on standard error.
inline int fail(const std::string& message) {
    std::cerr << "quorprog-cli: " << message << std::endl;
    return kFailed;
}

// A remark that does not change the outcome.
inline void note(const std::string& message) {
    std::cerr << "quorprog-cli: " << message << std::endl;
}

}  // namespace quorprog::cli
