// Plan CSVs as spreadsheets and other tools write them, read as RFC 4180 has them.
#include "files/plan_csv.h"

#include <gtest/gtest.h>

#include <string>

#include "files/csv_records.h"

namespace quorprog {
namespace {

struct CsvRow {
    const char* name;
    std::string text;
    // What was read: "group:channel:hertz:subtone" per line, or the start of the error.
    std::string expected;
};

std::string described(const PlanCsvParse& parse) {
    if (!parse.error.empty()) return parse.error;
    std::string out;
    for (const PlanCsvLine& line : parse.lines) {
        out += std::to_string(line.group) + ":" + std::to_string(line.channel) + ":" +
               std::to_string(line.frequency) + ":" + std::to_string(line.subtone) + "@" +
               std::to_string(line.line) + " ";
    }
    return out;
}

const std::string kHeader = "group,channel,frequency_khz,subtone";

const CsvRow kRows[] = {
    {"the tool's own output", kHeader + "\n0,0,470000,0\n0,1,470012.5,3\n",
     "0:0:470000000:0@2 0:1:470012500:3@3 "},
    {"a byte order mark, CR LF and a last line without an end",
     "\xEF\xBB\xBF" + kHeader + "\r\n0,0,470000,0\r\n1,2,606000.125,1",
     "0:0:470000000:0@2 1:2:606000125:1@3 "},
    {"quoted fields and blanks around fields",
     "\"group\", \"channel\" ,frequency_khz,\t\"subtone\"\n \"0\" , 1 , \"470025\" ,0 \n",
     "0:1:470025000:0@2 "},
    {"blank lines at the end", kHeader + "\n0,0,470000,0\n\n  \r\n\n", "0:0:470000000:0@2 "},
    {"a blank line in the middle", kHeader + "\n0,0,470000,0\n\n0,1,470000,0\n",
     "line 3: wants 4 values"},
    {"a quote inside a plain field", kHeader + "\n0,0,47\"0000,0\n", "line 2, column 3: a quote"},
    {"text after a closing quote", kHeader + "\n0,0,\"470000\"x,0\n",
     "line 2, column 3: text after the closing quote"},
    {"a quote never closed", kHeader + "\n0,0,470000,0\n0,1,\"470000,0\n",
     "line 3, column 3: a quoted field that is never closed"},
    {"a lone carriage return", kHeader + "\r0,0,470000,0\n",
     "line 1, column 4: a carriage return without a line feed"},
    {"a fifth value", kHeader + "\n0,0,470000,0,9\n", "line 2: wants 4 values"},
    {"a comma as decimal separator, quoted", kHeader + "\n0,0,\"470012,5\",0\n",
     "line 2, column 3 (frequency_khz): \"470012,5\" is not kHz"},
    {"finer than a hertz", kHeader + "\n0,0,0.0004,0\n",
     "line 2, column 3 (frequency_khz): \"0.0004\" is not kHz"},
    {"more than a channel plan keeps exactly", kHeader + "\n0,0,500000.001,0\n",
     "line 2, column 3 (frequency_khz): 500000.001 kHz cannot be kept exactly"},
    {"a subtone beyond a byte", kHeader + "\n0,0,470000,256\n", "line 2, column 4 (subtone)"},
    {"a group twice", kHeader + "\n0,0,470000,0\n0,0,470100,0\n",
     "line 3: group 0 channel 0 was given on line 2 already"},
    {"no header", "0,0,470000,0\n", "line 1: the header is not"},
    {"empty", "", "line 1: the header is not"},
    {"larger than 1 MiB", kHeader + "\n" + std::string(kMaxCsvBytes, '\n'),
     "the file is larger than 1 MiB"},
};

class PlanCsvReading : public ::testing::TestWithParam<CsvRow> {};

TEST_P(PlanCsvReading, TakesRfc4180AndNamesWhatItRefuses) {
    const PlanCsvParse parse = parsePlanCsv(GetParam().text);
    const std::string got = described(parse);
    EXPECT_EQ(got.substr(0, GetParam().expected.size()), GetParam().expected) << got;
    if (!parse.error.empty()) {
        EXPECT_TRUE(parse.lines.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PlanCsvReading, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

TEST(CsvRecords, QuotedFieldsHoldQuotesCommasAndLineBreaks) {
    const CsvRecords csv = readCsvRecords("a , \"b \"\"c\"\", d\" ,\"x\r\ny\"\r\nnext\n");
    ASSERT_EQ(csv.error, "");
    ASSERT_EQ(csv.records.size(), 2u);
    EXPECT_EQ(csv.records[0].fields, (std::vector<std::string>{"a", "b \"c\", d", "x\r\ny"}));
    EXPECT_EQ(csv.records[1].line, 3u);
    EXPECT_EQ(csv.records[1].fields, (std::vector<std::string>{"next"}));
}

TEST(PlanCsvKind, IsToldByTheNameOrTheFirstField) {
    const auto bytes = [](std::string_view text) {
        return std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    };
    EXPECT_TRUE(isPlanCsv("plan.CSV", bytes("anything")));
    EXPECT_TRUE(isPlanCsv("plan", bytes("\xEF\xBB\xBF \"group\",channel")));
    EXPECT_FALSE(isPlanCsv("plan.bin", bytes("QVM00")));
    EXPECT_FALSE(isPlanCsv("backup.bin", bytes(std::string_view("\0\x47\x52", 3))));
}

}  // namespace
}  // namespace quorprog
