#pragma once

#include <string>

#include "seams/prompter.h"

namespace quorprog {

// A set-up problem in the description: a fixed English text in an error box.
inline void reportSetUpError(Prompter& prompter, const std::string& text) {
    prompter.inform(text, "ERROR", Prompter::Icon::Error);
}

}  // namespace quorprog
