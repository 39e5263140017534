#include "text/local_texts.h"

namespace quorprog {

std::string LocalTexts::LocalText(int englishId, int language) const {
    if (language == kCurrentLanguage) language = currentLanguage_;
    return std::string(table_.localText(englishId, language));
}

}  // namespace quorprog
