#include "programmer/reply_checks.h"

#include <gtest/gtest.h>

#include <array>

namespace quorprog {
namespace {

TEST(ReplyChecks, HexAddressesGrowToThreeDigits) {
    EXPECT_EQ(hexAtLeastTwoDigits(0), "00");
    EXPECT_EQ(hexAtLeastTwoDigits(0xC8), "C8");
    EXPECT_EQ(hexAtLeastTwoDigits(400), "190");
    EXPECT_EQ(hexAtLeastTwoDigits(419), "1A3");
}

TEST(ReplyChecks, RowPrefixes) {
    EXPECT_EQ(rowPrefix(0, 10), "0:A0-");
    EXPECT_EQ(rowPrefix(1, 10), "1:A0-");
    EXPECT_EQ(rowPrefix(3, 15), "3:F0-");
    EXPECT_EQ(rowPrefix(12, 0), "12:00-");
}

constexpr const char* kGoodRow = "1:A0- 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE ff ";

TEST(ReplyChecks, RowLineChecksInOrder) {
    struct Case {
        std::string line;
        ReplyCheck expected;
    };
    const Case cases[] = {
        {kGoodRow, ReplyCheck::Ok},
        // No separator after the last byte is still a whole row.
        {"1:A0-|00|11|22|33|44|55|66|77|88|99|AA|BB|CC|DD|EE|FF", ReplyCheck::Ok},
        {"1:A0-MEM ERROR", ReplyCheck::MemoryError},
        // The memory error is reported even where the prefix is wrong.
        {"0:00-MEM ERROR", ReplyCheck::MemoryError},
        {"1:B0- 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF ", ReplyCheck::Misaligned},
        {"", ReplyCheck::Misaligned},
        {"1:A0", ReplyCheck::Misaligned},
        {"1:A0- 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE", ReplyCheck::BadData},
        {"1:A0- 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE F", ReplyCheck::BadData},
        {"1:A0- 00 11 22 33 44 55 66 77 G8 99 AA BB CC DD EE FF ", ReplyCheck::BadData},
        {"1:A0-  0 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF ", ReplyCheck::BadData},
    };
    for (const Case& c : cases) {
        std::array<uint8_t, kRowBytes> row{};
        row.fill(0x5A);
        EXPECT_EQ(checkRowLine(c.line, "1:A0-", row), c.expected) << c.line;
        if (c.expected != ReplyCheck::Ok) {
            // A failed row stores nothing.
            EXPECT_EQ(row[0], 0x5A) << c.line;
        }
    }
}

TEST(ReplyChecks, RowBytesAreStoredInOrder) {
    std::array<uint8_t, kRowBytes> row{};
    ASSERT_EQ(checkRowLine(kGoodRow, "1:A0-", row), ReplyCheck::Ok);
    for (size_t j = 0; j < kRowBytes; ++j) EXPECT_EQ(row[j], j * 0x11) << j;
}

TEST(ReplyChecks, TwoDigitBankMovesTheBytesAlong) {
    std::array<uint8_t, kRowBytes> row{};
    ASSERT_EQ(checkRowLine("12:30- 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10", "12:30-", row),
              ReplyCheck::Ok);
    EXPECT_EQ(row[0], 1);
    EXPECT_EQ(row[15], 0x10);
}

TEST(ReplyChecks, SingleByteAnswers) {
    struct Case {
        const char* line;
        ReplyCheck expected;
        int value;
    };
    const Case cases[] = {
        {"1:A3- 5A", ReplyCheck::Ok, 0x5A},
        {"1:a3-?c3 whatever", ReplyCheck::Ok, 0xC3},
        // Another bank, another address, or none named.
        {"0:A3- 5A", ReplyCheck::Misaligned, -1},
        {"1:A4- 5A", ReplyCheck::Misaligned, -1},
        {"x:yz-?c3", ReplyCheck::Misaligned, -1},
        {"0:00-MEM ERROR", ReplyCheck::MemoryError, -1},
        {"1-A3- 5A", ReplyCheck::Misaligned, -1},
        {"", ReplyCheck::Misaligned, -1},
        {"1:A3- 5", ReplyCheck::BadData, -1},
        {"1:A3- Z5", ReplyCheck::BadData, -1},
    };
    for (const Case& c : cases) {
        uint8_t value = 0;
        EXPECT_EQ(checkByteLine(c.line, 0x1A3, value), c.expected) << c.line;
        if (c.value >= 0) EXPECT_EQ(value, c.value) << c.line;
    }
}

}  // namespace
}  // namespace quorprog
