// The worked examples of the memory-map language over the built-in description: what a write by key
// stores and reads back, and what a key reads from given bytes.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "memory_map_fixture.h"

namespace quorprog::testing {
namespace {

using ByteList = std::vector<std::pair<int, uint8_t>>;

struct WriteExample {
    const char* key;
    int32_t value;
    ByteList before;  // bytes set before the write
    ByteList stored;  // every byte the write stores, with its value afterwards
    int32_t readBack;
};

void PrintTo(const WriteExample& e, std::ostream* os) { *os << e.key << " <- " << e.value; }

class DefaultMapWrites : public MemoryMapTest, public ::testing::WithParamInterface<WriteExample> {};

TEST_P(DefaultMapWrites, StoreTheDocumentedBytesAndReadBack) {
    const WriteExample& e = GetParam();
    for (const auto& [address, value] : e.before) image.bytes()[address] = value;
    EXPECT_TRUE(map.WriteMapValue(e.key, e.value));
    for (const auto& [address, value] : e.stored) {
        EXPECT_EQ(byte(address), value) << "byte " << address;
        EXPECT_TRUE(changed(address)) << "byte " << address;
    }
    EXPECT_EQ(changedCount(), static_cast<int>(e.stored.size()));
    EXPECT_EQ(map.ReadMapValue(e.key), e.readBack);
    expectNoMessage();
}

INSTANTIATE_TEST_SUITE_P(
    PlainFields, DefaultMapWrites,
    ::testing::Values(
        // N: bit 7 of b9, b10, bits 0 and 1 of b11; the other bits keep their value
        WriteExample{"Partition0.N3", 1061, {}, {{9, 0x80}, {10, 0x12}, {11, 0x02}}, 1061},
        WriteExample{"Partition0.N3", 1061, {{9, 0x7F}, {11, 0xFC}}, {{9, 0xFF}, {10, 0x12}, {11, 0xFE}}, 1061},
        WriteExample{"Partition1.N0", 2047, {}, {{128, 0x80}, {129, 0xFF}, {130, 0x03}}, 2047},
        WriteExample{"Partition0.N15", 2048, {}, {{45, 0x00}, {46, 0x00}, {47, 0x00}}, 0},  // 12 bits
        // A: bits 0..6 of the same byte
        WriteExample{"Partition0.A3", 100, {{9, 0x80}}, {{9, 0x80 | 100}}, 100},
        WriteExample{"Partition1.A15", 127, {}, {{173, 0x7F}}, 127},
        // R: b48 and bits 0..5 of b49, the same bytes for every channel
        WriteExample{"Partition0.R5", 2560, {{49, 0x40}}, {{48, 0x00}, {49, 0x4A}}, 2560},
        WriteExample{"Partition0.R0", -1, {}, {{48, 0xFF}, {49, 0x3F}}, 16383},
        WriteExample{"Partition1.R9", 1024, {}, {{176, 0x00}, {177, 0x04}}, 1024},
        // XTAL high byte first, multiplier one byte
        WriteExample{"Partition0.XTAL", 12800, {}, {{61, 0x00}, {60, 0x32}}, 12800},
        WriteExample{"Partition1.XTAL", 12800, {}, {{189, 0x00}, {188, 0x32}}, 12800},
        WriteExample{"Partition0.Multiplier", 300, {}, {{52, 44}}, 44},
        WriteExample{"Partition1.Multiplier", 3, {}, {{180, 3}}, 3},
        // subtone codes
        WriteExample{"Partition0.Sub0", 9, {}, {{101, 9}}, 9},
        WriteExample{"Partition1.Sub15", 255, {}, {{244, 255}}, 255}));

INSTANTIATE_TEST_SUITE_P(
    Transforms, DefaultMapWrites,
    ::testing::Values(
        // prescaler: a stored 1 means 64, a 0 means 128; R's bits stay
        WriteExample{"Partition0.Prescaler", 64, {{49, 0x3F}}, {{49, 0x7F}}, 64},
        WriteExample{"Partition0.Prescaler", 128, {{49, 0xFF}}, {{49, 0xBF}}, 128},
        WriteExample{"Partition0.Prescaler", 7, {{49, 0xFF}}, {{49, 0xBF}}, 128},
        WriteExample{"Partition1.Prescaler", 64, {}, {{177, 0x40}}, 64},
        // receiver flag: 84 for 1, 82 for anything else
        WriteExample{"Partition0.IsReceiver", 1, {}, {{51, 84}}, 1},
        WriteExample{"Partition0.IsReceiver", 0, {}, {{51, 82}}, 0},
        WriteExample{"Partition1.IsReceiver", 5, {}, {{179, 82}}, 0},
        // oscillator position: 0 for 1, 128 for 0; any other value stores itself
        WriteExample{"Partition0.OSCoverRF", 1, {{55, 0xAA}}, {{55, 0}}, 1},
        WriteExample{"Partition0.OSCoverRF", 0, {}, {{55, 128}}, 0},
        WriteExample{"Partition1.OSCoverRF", 7, {}, {{183, 7}}, 7},
        // limits: MHz in memory, kHz in the program
        WriteExample{"Partition0.MinFreq", 470000, {}, {{57, 0xD6}, {56, 0x01}}, 470000},
        WriteExample{"Partition0.MinFreq", 470500, {}, {{57, 0xD6}, {56, 0x01}}, 470000},
        WriteExample{"Partition0.MaxFreq", 865000, {}, {{59, 0x61}, {58, 0x03}}, 865000},
        WriteExample{"Partition1.MinFreq", 470000, {}, {{185, 0xD6}, {184, 0x01}}, 470000},
        WriteExample{"Partition1.MaxFreq", 999, {}, {{187, 0}, {186, 0}}, 0},
        // IF chain: BCD, the scale chosen by size, the IF divided by its scale
        WriteExample{"Partition0.IF", 10700, {},
                     {{95, 0x00}, {94, 0x07}, {93, 0x01}, {92, 0x00}, {90, 1}, {54, 0xCC}, {53, 0x29}},
                     10700},
        WriteExample{"Partition0.IF", 700000, {},
                     {{95, 0x00}, {94, 0x00}, {93, 0x70}, {92, 0x00}, {90, 100}, {54, 0x58}, {53, 0x1B}},
                     700000},
        WriteExample{"Partition0.IF", 100000, {},
                     {{95, 0x00}, {94, 0x00}, {93, 0x10}, {92, 0x00}, {90, 10}, {54, 0x10}, {53, 0x27}},
                     100000},
        WriteExample{"Partition1.IF", 21400, {},
                     {{223, 0x00}, {222, 0x14}, {221, 0x02}, {220, 0x00}, {218, 1}, {54, 0x98}, {53, 0x53}},
                     21400},
        WriteExample{"Partition0.IF_1", 65536, {}, {{90, 10}}, 10},
        WriteExample{"Partition0.IF_2", 10700, {{90, 10}}, {{54, 0x2E}, {53, 0x04}}, 10700}));

struct ReadExample {
    const char* key;
    ByteList bytes;
    int32_t value;
};

void PrintTo(const ReadExample& e, std::ostream* os) { *os << e.key << " -> " << e.value; }

class DefaultMapReads : public MemoryMapTest, public ::testing::WithParamInterface<ReadExample> {};

TEST_P(DefaultMapReads, DecodeTheDocumentedValues) {
    const ReadExample& e = GetParam();
    for (const auto& [address, value] : e.bytes) image.bytes()[address] = value;
    EXPECT_EQ(map.ReadMapValue(e.key), e.value);
    EXPECT_EQ(changedCount(), 0);
    expectNoMessage();
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DefaultMapReads,
    ::testing::Values(
        ReadExample{"Partition0.N3", {{9, 0x80}, {10, 0x12}, {11, 0x02}}, 1061},
        ReadExample{"Partition0.N3", {{9, 0x7F}, {10, 0xFF}, {11, 0xFC}}, 510},
        ReadExample{"Partition0.A3", {{9, 0xD5}}, 0x55},
        ReadExample{"Partition0.R7", {{48, 0x34}, {49, 0xFF}}, 0x34 + 256 * 63},
        ReadExample{"Partition0.Prescaler", {{49, 0x40}}, 64},
        ReadExample{"Partition0.Prescaler", {{49, 0xBF}}, 128},
        ReadExample{"Partition0.XTAL", {{61, 0x00}, {60, 0x32}}, 12800},
        ReadExample{"Partition0.Multiplier", {{52, 200}}, 200},
        ReadExample{"Partition0.IsReceiver", {{51, 84}}, 1},
        ReadExample{"Partition0.IsReceiver", {{51, 82}}, 0},
        ReadExample{"Partition0.IsReceiver", {{51, 7}}, 7},  // out starts equal to in
        ReadExample{"Partition1.IsReceiver", {{179, 84}}, 1},
        ReadExample{"Partition0.OSCoverRF", {{55, 0}}, 1},
        ReadExample{"Partition0.OSCoverRF", {{55, 128}}, 0},
        ReadExample{"Partition0.OSCoverRF", {{55, 5}}, 5},
        ReadExample{"Partition0.MinFreq", {{57, 0xD6}, {56, 0x01}}, 470000},
        ReadExample{"Partition1.MaxFreq", {{187, 0x61}, {186, 0x03}}, 865000},
        // IF chain: IF_0 while its bytes are decimal digits, else IF_1's raw byte (the factor)
        ReadExample{"Partition0.IF", {{95, 0x00}, {94, 0x07}, {93, 0x01}}, 10700},
        ReadExample{"Partition0.IF", {{95, 0xFF}, {90, 10}, {54, 0x10}, {53, 0x27}}, 10},
        ReadExample{"Partition0.IF", {{92, 0xA0}, {90, 100}}, 100},
        ReadExample{"Partition0.IF_2", {{90, 10}, {54, 0x10}, {53, 0x27}}, 100000},
        ReadExample{"Partition1.IF_2", {{218, 100}, {54, 0x58}, {53, 0x1B}}, 700000},
        ReadExample{"Partition0.IF", {}, 0},
        ReadExample{"Partition0.Sub3", {{104, 21}}, 21}));

// ---- what a table cannot show ----

class DefaultMapExamples : public MemoryMapTest {};

TEST_F(DefaultMapExamples, AnEntryWithoutABarStoresTheValueUnchanged) {
    EXPECT_TRUE(map.EncodeEntry("(out=in/1000)57,56", 470));
    EXPECT_EQ(byte(57), 0xD6);
    EXPECT_EQ(byte(56), 0x01);
    EXPECT_EQ(map.DecodeEntry("(out=in/1000)57,56"), 0);
    EXPECT_EQ(map.DecodeEntry("(out=in*1000)57,56"), 470000);
}

TEST_F(DefaultMapExamples, TheScaledIfIsWrittenWithTheScaleJustStored) {
    setBytes({{90, 100}});  // a stale scale
    EXPECT_TRUE(map.WriteMapValue("Partition0.IF", 10700));
    EXPECT_EQ(byte(54) + 256 * byte(53), 10700);  // divided by the new scale 1, not by 100
}

TEST_F(DefaultMapExamples, ThePartitionsShareTheScaledIfBytes) {
    EXPECT_TRUE(map.WriteMapValue("Partition0.IF", 10700));
    EXPECT_TRUE(map.WriteMapValue("Partition1.IF", 21400));
    EXPECT_EQ(byte(54) + 256 * byte(53), 21400);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF"), 10700);  // IF_0 still answers
    EXPECT_EQ(map.ReadMapValue("Partition1.IF"), 21400);
}

TEST_F(DefaultMapExamples, AScaleOfZeroMakesTheScaledIfFail) {
    setBytes({{90, 0}});
    EXPECT_FALSE(map.WriteMapValue("Partition0.IF_2", 10700));  // 10700 / 0
    EXPECT_EQ(changedCount(), 0);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF_2"), 0);  // 0 * 0
}

TEST_F(DefaultMapExamples, DateText) {
    EXPECT_TRUE(map.WriteEntryText(map.entryOf("Partition0.Date"), "06/12/26"));
    const char expected[] = "06/12/26";
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(byte(79 + i), expected[i]);
        EXPECT_TRUE(changed(79 + i));
    }
    EXPECT_EQ(changedCount(), 8);
    EXPECT_EQ(map.ReadEntryText(map.entryOf("Partition0.Date")), "06/12/26");
    EXPECT_EQ(reader.readText(section, "Partition0.DateFormat"), "dd/mm/yy");

    EXPECT_TRUE(map.WriteEntryText(map.entryOf("Partition1.Date"), "31/01/27"));
    EXPECT_EQ(map.ReadEntryText("207,208,209,210,211,212,213,214"), "31/01/27");
    EXPECT_TRUE(map.WriteEntryText(map.entryOf("Partition1.Date"), "1/2/27"));  // left: zeros after
    EXPECT_EQ(byte(213), 0);
    EXPECT_EQ(byte(214), 0);
    EXPECT_EQ(map.ReadEntryText(map.entryOf("Partition1.Date")), "1/2/27");
}

TEST_F(DefaultMapExamples, OptionBits) {
    const std::string doubleClick = reader.readText("HALO7-DC", "Address");
    const std::string ddc = reader.readText("HALO7-DDC", "Address");
    EXPECT_TRUE(map.EncodeEntry(doubleClick, 1));
    EXPECT_TRUE(map.EncodeEntry(ddc, 0));
    EXPECT_EQ(byte(127), 0x08);
    EXPECT_EQ(map.DecodeEntry(doubleClick), 1);
    EXPECT_EQ(map.DecodeEntry(ddc), 0);
}

}  // namespace
}  // namespace quorprog::testing
