#pragma once

#include <string>
#include <string_view>

#include "text/string_table.h"
#include "text/text_ids.h"

namespace quorprog {

// The texts in the language the user has chosen. The main window owns one and keeps its current
// language equal to the selection of its language list; everything that shows a message asks it
// with kCurrentLanguage, so messages follow a switch without further work.
class LocalTexts {
  public:
    static constexpr int kCurrentLanguage = -1;

    explicit LocalTexts(StringTable table = StringTable()) : table_(std::move(table)) {}

    const StringTable& table() const { return table_; }
    int currentLanguage() const { return currentLanguage_; }
    void setCurrentLanguage(int language) { currentLanguage_ = language; }

    // The text with this English id (text::k...) in `language`, kCurrentLanguage meaning the
    // current one; the empty text when the table holds none.
    std::string LocalText(int englishId, int language = kCurrentLanguage) const;
    // The same with its "%s" replaced by `value` (a path, a device).
    std::string LocalTextWith(int englishId, std::string_view value,
                              int language = kCurrentLanguage) const;

  private:
    StringTable table_;
    int currentLanguage_ = 0;
};

}  // namespace quorprog
