#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quorprog {

// The program's numbered strings: id 0 the skin colour, id 1 the language list ("english|
// italiano"), and the texts of language L at ids 50 + 50 * L + i (i = 0..47). Texts are UTF-8.
// A third language needs only its 48 texts at 150..197 and a third name in the language list.
// Texts added to the program later follow the same rule in a block of their own: language L at
// 1000 + 100 * L + i (i = 0..99), so that the described ids keep their places.
class StringTable {
  public:
    static constexpr int kSkinColourId = 0;
    static constexpr int kLanguageListId = 1;
    static constexpr int kFirstTextId = 50;
    static constexpr int kLanguageStride = 50;
    static constexpr int kTextCount = 48;
    static constexpr int kFirstAddedTextId = 1000;
    static constexpr int kAddedLanguageStride = 100;
    static constexpr int kAddedTextCount = 100;

    // The program's own table.
    StringTable();
    explicit StringTable(std::map<int, std::string> strings) : strings_(std::move(strings)) {}

    // The string with this id, or the empty text when there is none.
    std::string_view string(int id) const;

    // A text by its English id (50..97 or 1000..1099, see text_ids.h) in the language with index
    // `language` (0 English, 1 Italian); the empty text for an unknown id or language.
    std::string_view localText(int englishId, int language) const;

    // The language names of string 1; their positions are the language indexes.
    std::vector<std::string> languages() const;

    // String 0 read as one hexadecimal number, or 0 when it is not one.
    std::uint32_t skinColour() const;

  private:
    std::map<int, std::string> strings_;
};

}  // namespace quorprog
