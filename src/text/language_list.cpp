#include "text/language_list.h"

#include <array>

namespace quorprog {

namespace {

// In the order of the language list: english, italiano.
constexpr std::array<std::string_view, 2> kLanguageCodes = {"en", "it"};

}  // namespace

std::vector<std::string> parseLanguageList(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const size_t bar = list.find('|');
        if (bar == std::string_view::npos) {
            names.emplace_back(list);
            break;
        }
        names.emplace_back(list.substr(0, bar));
        list.remove_prefix(bar + 1);
    }
    return names;
}

int clampLanguageIndex(int saved, int languageCount) {
    return saved >= 0 && saved < languageCount ? saved : 0;
}

std::string_view languageCode(int index) {
    if (index < 0 || static_cast<size_t>(index) >= kLanguageCodes.size()) return {};
    return kLanguageCodes[static_cast<size_t>(index)];
}

std::optional<int> languageIndexForCode(std::string_view code) {
    for (size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (kLanguageCodes[i] == code) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace quorprog
