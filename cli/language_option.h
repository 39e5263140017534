#pragma once

#include <optional>
#include <string>

namespace quorprog::cli {

// --language: "en" (0) or "it" (1); nothing when the option is absent (the language of
// quorprog.ini stays). Any other code is a usage error.
std::optional<int> languageOption(const std::string& code);

}  // namespace quorprog::cli
