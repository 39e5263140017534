#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorprog {

// Splits the language list at each "|". A trailing "|" adds no item; "||" adds an empty one.
std::vector<std::string> parseLanguageList(std::string_view list);

// A saved language index, or 0 when it names no language (missing = -1, negative, too large).
int clampLanguageIndex(int saved, int languageCount);

}  // namespace quorprog
