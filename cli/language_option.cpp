#include "language_option.h"

#include "command_line.h"

namespace quorprog::cli {

std::optional<int> languageOption(const std::string& code) {
    if (code.empty()) return std::nullopt;
    if (code == "en") return 0;
    if (code == "it") return 1;
    throw UsageError("--language takes en or it, not " + code);
}

}  // namespace quorprog::cli
