#include "text/language_list.h"

#include "text/string_table.h"

#include <gtest/gtest.h>

namespace quorprog {
namespace {

using Names = std::vector<std::string>;

TEST(LanguageList, SplitsAtEachBar) {
    const struct {
        const char* list;
        Names names;
    } cases[] = {
        {"english|italiano", {"english", "italiano"}},
        {"english|italiano|", {"english", "italiano"}},
        {"english||italiano", {"english", "", "italiano"}},
        {"|english", {"", "english"}},
        {"english", {"english"}},
        {"", {}},
        {"|", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseLanguageList(c.list), c.names) << c.list;
}

TEST(LanguageList, SavedIndexOutsideTheListSelectsTheFirstLanguage) {
    const struct {
        int saved;
        int count;
        int selected;
    } cases[] = {{-1, 2, 0}, {0, 2, 0}, {1, 2, 1}, {2, 2, 0}, {-7, 2, 0}, {2, 3, 2}, {0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(clampLanguageIndex(c.saved, c.count), c.selected) << c.saved << " of " << c.count;
    }
}

// Every language of the built-in list has its code, and the code leads back to it: the Qt
// translations and the sheet's --language depend on both directions.
TEST(LanguageList, CodesAndIndexesLeadToEachOther) {
    const auto names = StringTable().languages();
    const struct {
        int index;
        std::string_view code;
    } cases[] = {{0, "en"}, {1, "it"}};
    ASSERT_EQ(std::size(cases), names.size());
    for (const auto& c : cases) {
        EXPECT_EQ(languageCode(c.index), c.code);
        EXPECT_EQ(languageIndexForCode(c.code), c.index);
    }
    EXPECT_EQ(languageCode(-1), "");
    EXPECT_EQ(languageCode(2), "");
    EXPECT_EQ(languageIndexForCode("de"), std::nullopt);
    EXPECT_EQ(languageIndexForCode(""), std::nullopt);
}

}  // namespace
}  // namespace quorprog
