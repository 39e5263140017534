#include "text/local_texts.h"

namespace quorprog {

std::string LocalTexts::LocalText(int englishId, int language) const {
    if (language == kCurrentLanguage) language = currentLanguage_;
    return std::string(table_.localText(englishId, language));
}

std::string LocalTexts::LocalTextWith(int englishId, std::string_view value, int language) const {
    std::string text = LocalText(englishId, language);
    const size_t place = text.find("%s");
    if (place != std::string::npos) text.replace(place, 2, value);
    return text;
}

}  // namespace quorprog
