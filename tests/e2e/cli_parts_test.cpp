// The command-line tool's own pieces: the JSON writer and the command-line parsing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "command_line.h"
#include "json_writer.h"

namespace quorprog::cli {
namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string json;
};

class JsonEscaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(JsonEscaping, QuotesStringsAsJsonRequires) {
    EXPECT_EQ(JsonWriter::quoted(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonEscaping,
    ::testing::Values(EscapeCase{"Plain", "plain", "\"plain\""},
                      EscapeCase{"Quotes", "say \"GPE\"", "\"say \\\"GPE\\\"\""},
                      EscapeCase{"Backslash", "C:\\dir", "\"C:\\\\dir\""},
                      EscapeCase{"LineEnds", "a\nb\tc\r", "\"a\\nb\\tc\\r\""},
                      EscapeCase{"Controls", std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
                      EscapeCase{"Zero", std::string("\0", 1), "\"\\u0000\""},
                      EscapeCase{"Utf8", "frequenza \xC3\xA8", "\"frequenza \xC3\xA8\""},
                      EscapeCase{"NotUtf8", "\xE9t\xC3", "\"\\u00e9t\\u00c3\""},
                      EscapeCase{"Overlong", "\xC0\xAF", "\"\\u00c0\\u00af\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonWriter, NestsObjectsAndArraysWithCommasBetweenValuesOnly) {
    JsonWriter json;
    json.beginObject().value("model", "x").beginArray("groups");
    json.beginObject().value("step", 12.5).value("maxFreq", uint32_t{4294967295u}).endObject();
    json.beginObject().null("step").value("oscOverRf", false).endObject();
    json.endArray().beginArray("changed").element(56).element(57).endArray().endObject();
    EXPECT_EQ(json.text(),
              "{\"model\":\"x\",\"groups\":[{\"step\":12.5,\"maxFreq\":4294967295},"
              "{\"step\":null,\"oscOverRf\":false}],\"changed\":[56,57]}");
}

TEST(JsonWriter, NumbersThatJsonCannotHoldBecomeNull) {
    JsonWriter json;
    json.beginArray().element(std::nan("")).element(INFINITY).element(470012.5).endArray();
    EXPECT_EQ(json.text(), "[null,null,470012.5]");
}

// Qt sets the C locale from the environment; an Italian one writes "470012,5" with printf.
TEST(JsonWriter, NumbersKeepTheDotWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "it_IT.utf8")) GTEST_SKIP() << "no Italian locale";
    JsonWriter json;
    json.beginArray().element(470012.5).element(0.001).endArray();
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(json.text(), "[470012.5,0.001]");
}

TEST(CommandLine, GlobalOptionsComeBeforeTheCommand) {
    const CommandLine line =
        parseCommandLine({"--yes", "--log", "a.log", "--json", "read", "--yes", "-p", "2"});
    EXPECT_TRUE(line.options.yes);
    EXPECT_TRUE(line.options.json);
    EXPECT_EQ(line.options.logFile, "a.log");
    EXPECT_EQ(line.command, "read");
    EXPECT_THAT(line.arguments, ::testing::ElementsAre("--yes", "-p", "2"));

    // --json may also follow the command, for every command.
    const CommandLine after = parseCommandLine({"ports", "--json"});
    EXPECT_TRUE(after.options.json);
    EXPECT_TRUE(after.arguments.empty());
}

TEST(CommandLine, WrongGlobalOptionsAreUsageErrors) {
    EXPECT_THROW(parseCommandLine({}), UsageError);
    EXPECT_THROW(parseCommandLine({"--log"}), UsageError);
    EXPECT_THROW(parseCommandLine({"--colour", "scan"}), UsageError);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
}

TEST(CommandArguments, TakesOptionsInEitherFormThenOperands) {
    CommandArguments arguments(
        "map", {"write", "img.bin", "--key=Partition0.Sub0", "-5", "--section", "MAP"});
    EXPECT_EQ(arguments.option("--key"), "Partition0.Sub0");
    EXPECT_EQ(arguments.option("--section"), "MAP");
    EXPECT_EQ(arguments.option("--entry", "none"), "none");
    EXPECT_EQ(arguments.operand("ACTION"), "write");
    EXPECT_EQ(arguments.operand("IMAGE"), "img.bin");
    EXPECT_EQ(arguments.operand("VALUE"), "-5");  // a negative number is a value
    EXPECT_NO_THROW(arguments.finish());
    EXPECT_THROW(arguments.operand("MORE"), UsageError);
}

TEST(CommandArguments, RejectsWhatItDoesNotKnow) {
    CommandArguments unknown("read", {"-x"});
    EXPECT_THROW(unknown.operand("IMAGE"), UsageError);
    CommandArguments leftover("scan", {"now"});
    EXPECT_THROW(leftover.finish(), UsageError);
    for (const char* bad : {"0", "-1", "two", "3x", ""}) {
        CommandArguments programmer("read", {"-p", bad});
        EXPECT_THROW(programmer.positiveOption("-p", 1), UsageError) << bad;
    }
    CommandArguments good("read", {"-p", "3"});
    EXPECT_EQ(good.positiveOption("-p", 1), 3);
}

}  // namespace
}  // namespace quorprog::cli
