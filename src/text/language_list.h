#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorprog {

// Splits the language list at each "|". A trailing "|" adds no item; "||" adds an empty one.
std::vector<std::string> parseLanguageList(std::string_view list);

// A saved language index, or 0 when it names no language (missing = -1, negative, too large).
int clampLanguageIndex(int saved, int languageCount);

// The ISO 639-1 code of the language at `index` of the language list ("en", "it"), as locales
// and translation files name it; empty for an index beyond the languages the program knows.
std::string_view languageCode(int index);
// The index of the language with that code; nothing for a code the program does not speak.
std::optional<int> languageIndexForCode(std::string_view code);

}  // namespace quorprog
