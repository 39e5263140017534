#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "description/default_description.h"
#include "description/description_reader.h"

namespace quorprog {
namespace {

const char* const kSample =
    "[MODELS]\r\n"
    "Name0=first\r\n"
    "Name1 =  second  \r\n"
    "Name3=after a gap\r\n"
    "\r\n"
    "[Codes]\r\n"
    "Code0=00\r\n"
    "Code3=300\r\n"
    "Code5=0x1F\r\n"
    "Code6=$1F\r\n"
    "Code7=abc\r\n"
    "Code8=\r\n"
    "partitions=2\r\n"
    "DateFormat=\"dd/mm/yy\"\r\n"
    "Single='x'\r\n"
    "Fixed1=\"GPE\">87,88,89\r\n"
    "OneQuote=\"\r\n"
    "Repeated=first\r\n"
    "Repeated=second\r\n";

TEST(DescriptionReader, TextLookupsFollowTheIniRules) {
    const auto reader = DescriptionReader::fromText(kSample);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"MODELS", "Name0", "first"},
        {"models", "NAME1", "second"},          // case and surrounding spaces ignored
        {"Codes", "DateFormat", "dd/mm/yy"},    // one pair of enclosing quotes removed
        {"Codes", "Single", "x"},               // single quotes too
        {"Codes", "Fixed1", "\"GPE\">87,88,89"},// only begins with a quote: kept
        {"Codes", "OneQuote", "\""},
        {"Codes", "Repeated", "first"},
        {"Codes", "Code8", "fallback"},         // empty value gives the default
        {"Codes", "Missing", "fallback"},
        {"Nowhere", "Name0", "fallback"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reader.readText(c.section, c.key, "fallback"), c.expected)
            << c.section << "." << c.key;
}

TEST(DescriptionReader, IntegerLookupsFallBackOnAnythingNotANumber) {
    const auto reader = DescriptionReader::fromText(kSample);
    struct Case {
        const char* key;
        int32_t expected;
    };
    const Case cases[] = {{"Code0", 0},  {"Code3", 300}, {"Code5", 31},      {"Code6", 31},
                          {"Code7", -9}, {"Code8", -9},  {"Partitions", 2}, {"Missing", -9}};
    for (const auto& c : cases) EXPECT_EQ(reader.readInteger("Codes", c.key, -9), c.expected) << c.key;
}

TEST(DescriptionReader, ValuesAreCutAt2047Characters) {
    const std::string longValue(3000, 'v');
    const auto reader = DescriptionReader::fromText("[S]\nKey=" + longValue + "\n");
    EXPECT_EQ(reader.readText("S", "Key"), std::string(2047, 'v'));
}

TEST(DescriptionReader, FollowsTheFileOnDiskAndGivesDefaultsWithoutOne) {
    const auto path = std::filesystem::temp_directory_path() / "quorprog_reader_test.cfg";
    std::filesystem::remove(path);
    const auto reader = DescriptionReader::fromFile(path);
    EXPECT_EQ(reader.readInteger("S", "Key", 5), 5);

    std::ofstream(path) << "[S]\nKey=1\n";
    EXPECT_EQ(reader.readInteger("S", "Key", 5), 1);
    std::ofstream(path) << "[S]\nKey=22\n";
    EXPECT_EQ(reader.readInteger("S", "Key", 5), 22);
    std::filesystem::remove(path);
    EXPECT_EQ(reader.readInteger("S", "Key", 5), 5);
}

TEST(DefaultDescription, IsCarriedByteForByteWithCrLfLineEnds) {
    std::ifstream file(std::string(QUORPROG_SOURCE_DIR) + "/resources/quorprog.cfg",
                       std::ios::binary);
    const std::string onDisk{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(defaultDescriptionText(), onDisk);
    const std::string_view text = defaultDescriptionText();
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
}

}  // namespace
}  // namespace quorprog
