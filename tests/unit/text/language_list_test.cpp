#include "text/language_list.h"

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

}  // namespace
}  // namespace quorprog
