#include "language_option.h"

#include "command_line.h"
#include "text/language_list.h"

namespace quorprog::cli {

std::optional<int> languageOption(const std::string& code) {
    if (code.empty()) return std::nullopt;
    if (const auto language = languageIndexForCode(code)) return language;
    throw UsageError("--language takes en or it, not " + code);
}

}  // namespace quorprog::cli
