#include "text/language_list.h"

namespace quorprog {

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

}  // namespace quorprog
