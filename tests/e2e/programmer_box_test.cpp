// The emulator's box firmware, byte by byte: what tests of the program rely on it to do.
#include "programmer_box.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace quorprog::emulator {
namespace {

std::string exchange(ProgrammerBox& box, std::string_view bytes) {
    std::string answer;
    for (const char byte : bytes) answer += box.receive(static_cast<uint8_t>(byte));
    return answer;
}

Bytes countingMemory(size_t size) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i + i / 256);
    return bytes;
}

std::string hexPair(uint8_t value) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

ProgrammerBox boxWith(std::set<Fault> faults, unsigned faultRow = 0, size_t size = 512) {
    BoxSettings settings;
    settings.faults = std::move(faults);
    settings.faultRow = faultRow;
    return ProgrammerBox(settings, countingMemory(size));
}

TEST(ProgrammerBox, AnswersEachCommand) {
    BoxSettings settings;
    settings.battery = 12;
    settings.types = "24C02";
    ProgrammerBox box(settings, countingMemory(512));
    const std::pair<const char*, const char*> exchanges[] = {
        {"S", "\r\nBATTERY=C\r\n>"},
        {"T", "\r\nTYPES=24C02\r\n>"},
        {"D 190\n", "\r\nDELAY=190\r\n>"},
        {"B 1\n", "\r\nBANK=1\r\n>"},
        // Two digits lie in the selected bank, three are absolute.
        {"R 05 01\n", "\r\n1:05- 06 \r\n>"},
        {"R 005 01\n", "\r\n0:05- 05 \r\n>"},
        {"W 1A3 5A\n", ".\r\n>"},
        {"R 1A3 01\n", "\r\n1:A3- 5A \r\n>"},
        {"\r\nX", ""},
        {"D ZZ\n", "\r\nERROR\r\n>"},
        {"W 10 100\n", "\r\nERROR\r\n>"},
    };
    for (const auto& [command, answer] : exchanges) EXPECT_EQ(exchange(box, command), answer);
}

TEST(ProgrammerBox, SmallMemoryWrapsAtItsSize) {
    ProgrammerBox box = boxWith({}, 0, 128);
    EXPECT_EQ(exchange(box, "R 85 01\n"), "\r\n0:85- 05 \r\n>");
    exchange(box, "B 0\n");
    const std::string rows = exchange(box, "R\n");
    EXPECT_NE(rows.find("\r\n0:80- 00 01 02"), std::string::npos);
}

TEST(ProgrammerBox, BankReadNeedsTheMinimumDelay) {
    BoxSettings settings;
    settings.minDelay = 100;
    ProgrammerBox box(settings, countingMemory(256));
    EXPECT_NE(exchange(box, "R\n").find("\r\n0:00-MEM ERROR\r\n"), std::string::npos);
    exchange(box, "D 64\n");
    EXPECT_NE(exchange(box, "R\n").find("\r\n0:00- 00 01 02"), std::string::npos);
}

TEST(ProgrammerBox, RowFaults) {
    struct Case {
        Fault fault;
        const char* present;
        const char* absent;
    };
    const Case cases[] = {
        {Fault::MemoryError, "\r\n0:30-MEM ERROR\r\n", "\r\n0:30- 30"},
        {Fault::Misaligned,
         "\r\n0:20- 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F \r\n0:40- 30", "\r\n0:30-"},
        {Fault::DroppedLine, "2F \r\n0:40- 40", "\r\n0:30-"},
        {Fault::FlippedByte, "\r\n0:30- 31 31 32", "\r\n0:30- 30"},
    };
    for (const Case& c : cases) {
        ProgrammerBox box = boxWith({c.fault}, 3);
        const std::string rows = exchange(box, "R\n");
        EXPECT_NE(rows.find(c.present), std::string::npos) << rows;
        EXPECT_EQ(rows.find(c.absent), std::string::npos) << rows;
    }
}

TEST(ProgrammerBox, WriteFaults) {
    ProgrammerBox noAck = boxWith({Fault::NoAck});
    EXPECT_EQ(exchange(noAck, "W 10 AA\n"), "\r\n>");
    EXPECT_EQ(noAck.memory()[0x10], 0xAA);

    ProgrammerBox unwritten = boxWith({Fault::WrongReadBack});
    EXPECT_EQ(exchange(unwritten, "W 10 AA\n"), ".\r\n>");
    EXPECT_EQ(exchange(unwritten, "R 10 01\n"), "\r\n0:10- 10 \r\n>");

    ProgrammerBox streaming = boxWith({Fault::EndlessStream});
    EXPECT_EQ(exchange(streaming, "W 10 AA\n"), "");
    EXPECT_TRUE(streaming.streaming());
    const std::string stream = endlessStreamBytes(1000);
    EXPECT_EQ(stream.find_first_of(".>\r\n"), std::string::npos);
    exchange(streaming, "S");
    EXPECT_FALSE(streaming.streaming());
}

TEST(ProgrammerBox, InjectedFaultHitsItsReplyOnly) {
    struct Case {
        Fault kind;
        const char* command;  // the second reply's
        std::string answer;
        uint8_t stored;  // at 0x10 afterwards
    };
    const Case cases[] = {
        {Fault::Silent, "W 10 AA\n", "", 0x10},
        // The box did the write; only its answer was lost.
        {Fault::DroppedReply, "W 10 AA\n", "", 0xAA},
        {Fault::InBankAddress, "W 110 AA\n", ".\r\n>", 0xAA},
        {Fault::NoAck, "W 10 AA\n", "\r\n>", 0xAA},
        {Fault::Truncated, "W 10 AA\n", ".\r", 0xAA},
        {Fault::Truncated, "R 10 01\n", "\r\n0:10-", 0x10},
        {Fault::FlippedByte, "R 10 01\n", "\r\n0:10- 11 \r\n>", 0x10},
        {Fault::Garbage, "R 10 01\n", garbageBytes(14, 2), 0x10},
    };
    for (const Case& c : cases) {
        BoxSettings settings;
        settings.injected = InjectedFault{2, c.kind};
        ProgrammerBox box(settings, countingMemory(256));
        EXPECT_EQ(exchange(box, "S"), "\r\nBATTERY=7\r\n>");
        EXPECT_FALSE(box.injectedJustNow());
        std::string answer;
        bool marked = false;
        for (const char byte : std::string_view(c.command)) {
            answer += box.receive(static_cast<uint8_t>(byte));
            marked = marked || box.injectedJustNow();
        }
        EXPECT_EQ(answer, c.answer) << c.command;
        EXPECT_TRUE(marked) << c.command;
        EXPECT_EQ(box.memory()[0x10], c.stored) << c.command;
        EXPECT_EQ(exchange(box, "R 10 01\n"), "\r\n0:10- " + hexPair(c.stored) + " \r\n>");
    }
}

// A box that takes every single-byte address within the selected bank: three digits too, and its
// answer names the bank and address it read.
TEST(ProgrammerBox, InBankBoxTakesEveryAddressWithinTheSelectedBank) {
    ProgrammerBox box = boxWith({Fault::InBankAddress});
    const std::pair<const char*, const char*> exchanges[] = {
        {"R 1A3 01\n", "\r\n0:A3- A3 \r\n>"},
        {"B 1\n", "\r\nBANK=1\r\n>"},
        {"R 0A3 01\n", "\r\n1:A3- A4 \r\n>"},
        {"W 05 5A\n", ".\r\n>"},
    };
    for (const auto& [command, answer] : exchanges) EXPECT_EQ(exchange(box, command), answer);
    EXPECT_EQ(box.memory()[0x105], 0x5A);
    EXPECT_EQ(box.memory()[0x05], 0x05);
}

TEST(ProgrammerBox, SilentBoxAnswersNothing) {
    ProgrammerBox box = boxWith({Fault::Silent});
    EXPECT_EQ(exchange(box, "*VST\nD 10\nB 0\nR\nW 10 11\n"), "");
    EXPECT_EQ(box.memory()[0x10], 0x10);
}

TEST(ProgrammerBox, WritesReachTheListener) {
    Bytes seen;
    ProgrammerBox box(BoxSettings{}, countingMemory(256),
                      [&](const Bytes& memory) { seen = memory; });
    exchange(box, "W FF 01\n");
    ASSERT_EQ(seen.size(), 256u);
    EXPECT_EQ(seen[0xFF], 0x01);
}

}  // namespace
}  // namespace quorprog::emulator
