#include "text/string_table.h"

#include <gtest/gtest.h>

#include "text/local_texts.h"
#include "text/text_ids.h"

namespace quorprog {
namespace {

struct TextCase {
    int englishId;
    int language;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.englishId << " in " << c.language;
}

class BuiltInTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(BuiltInTextTest, FindsTheTextOfTheLanguage) {
    const TextCase& c = GetParam();
    EXPECT_EQ(StringTable().localText(c.englishId, c.language), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BuiltInTextTest,
    ::testing::Values(
        TextCase{text::kOpenFile, 0, "open file"}, TextCase{text::kOpenFile, 1, "apri file"},
        TextCase{text::kRead, 1, "leggi"}, TextCase{text::kWrite, 1, "scrivi"},
        TextCase{text::kError, 1, "ERRORE"},
        TextCase{text::kMemoryCommunicationFailure, 0,
                 "Memory communication failure!\nCheck cable and connections, then retry!"},
        TextCase{text::kHintOpen, 1,
                 "Dopo aver connesso l'apparecchiatura Quorvel al programmatore ed averne letto "
                 "la memoria \xC3\xA8 possibile importare dati da un file precedentemente "
                 "salvato."},
        TextCase{text::kHelpFileNotFound, 0, "Help file not found!"},
        TextCase{text::kChannelStep, 0, "Channel Step"},
        TextCase{text::kChannelStep, 1, "Canalizzazione"},
        // The added texts: English from 1000, Italian 1000 further.
        TextCase{text::kChangeChannel, 0, "channel"}, TextCase{text::kPdfFiles, 1, "File PDF"},
        TextCase{text::kChangeChannel, 1, "canale"},
        TextCase{text::kChangeChannel, 2, ""}, TextCase{text::kChangeChannel + 1000, 0, ""},
        TextCase{text::kCheckCompatibility, 1, "Verifica compatibilit\xC3\xA0\xE2\x80\xA6"},
        // No third language, and nothing outside the 48 texts of a language.
        TextCase{text::kOpenFile, 2, ""}, TextCase{text::kOpenFile, -3, ""}, TextCase{49, 0, ""},
        TextCase{98, 0, ""}, TextCase{98, 1, ""}, TextCase{text::kChannelStep + 50, 0, ""}),
    [](const ::testing::TestParamInfo<TextCase>& info) {
        const int language = info.param.language;
        return "Id" + std::to_string(info.param.englishId) + "Language" +
               (language < 0 ? "Minus" + std::to_string(-language) : std::to_string(language));
    });

TEST(StringTable, HoldsBothLanguagesCompleteAndNothingElse) {
    const StringTable table;
    for (int index = 0; index < StringTable::kTextCount; ++index) {
        EXPECT_FALSE(table.string(50 + index).empty()) << "English text " << index;
        EXPECT_FALSE(table.string(100 + index).empty()) << "Italian text " << index;
        EXPECT_NE(table.string(50 + index), table.string(100 + index)) << "text " << index;
    }
    for (int id = StringTable::kFirstAddedTextId; id <= text::kLastAddedText; ++id) {
        EXPECT_FALSE(table.localText(id, 0).empty()) << "added English text " << id;
        EXPECT_FALSE(table.localText(id, 1).empty()) << "added Italian text " << id;
    }
    // Nothing past the last added text, in either language.
    EXPECT_TRUE(table.localText(text::kLastAddedText + 1, 0).empty());
    EXPECT_TRUE(table.localText(text::kLastAddedText + 1, 1).empty());
    for (int id : {2, 25, 49, 98, 99, 148, 150}) EXPECT_TRUE(table.string(id).empty()) << id;
    EXPECT_EQ(table.string(StringTable::kSkinColourId), "FBD591");
    EXPECT_EQ(table.languages(), (std::vector<std::string>{"english", "italiano"}));
}

TEST(StringTable, ReadsTheSkinColourAsOneHexadecimalNumber) {
    const struct {
        const char* text;
        std::uint32_t colour;
    } cases[] = {
        {"FBD591", 0xFBD591}, {"  0x1a", 0x1A}, {"c0ffee tail", 0xC0FFEE}, {"", 0}, {"zz", 0},
        {"123456789", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(StringTable({{StringTable::kSkinColourId, c.text}}).skinColour(), c.colour)
            << '"' << c.text << '"';
    }
}

TEST(LocalTexts, CurrentLanguageFollowsTheSelection) {
    LocalTexts texts;
    EXPECT_EQ(texts.LocalText(text::kWarning), "WARNING");
    texts.setCurrentLanguage(1);
    EXPECT_EQ(texts.LocalText(text::kWarning), "ATTENZIONE");
    EXPECT_EQ(texts.LocalText(text::kWarning, 0), "WARNING");
}

TEST(LocalTexts, ThirdLanguageNeedsOnlyItsStrings) {
    LocalTexts texts(StringTable({{1, "english|italiano|deutsch"},
                                  {150,
                                   "Datei \xC3\xB6"
                                   "ffnen"}}));
    texts.setCurrentLanguage(2);
    EXPECT_EQ(texts.LocalText(text::kOpenFile),
              "Datei \xC3\xB6"
              "ffnen");
    EXPECT_EQ(texts.LocalText(text::kSaveFile), "");
}

}  // namespace
}  // namespace quorprog
