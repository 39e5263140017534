// The worked examples of the memory-map language over the built-in description.
#include <gtest/gtest.h>

#include "memory_map_fixture.h"

namespace quorprog::testing {
namespace {

class DefaultMapExamples : public MemoryMapTest {};

// ---- plain fields ----

TEST_F(DefaultMapExamples, CountersOfAChannel) {
    setBytes({{9, 0x80}, {10, 0x12}, {11, 0x02}});
    EXPECT_EQ(map.ReadMapValue("Partition0.N3"), 1061);
    EXPECT_EQ(map.ReadMapValue("Partition0.A3"), 0);

    image.reset();
    EXPECT_TRUE(map.WriteMapValue("Partition0.N3", 1061));
    EXPECT_TRUE(map.WriteMapValue("Partition0.A3", 100));
    EXPECT_EQ(byte(9), 0x80 | 100);
    EXPECT_EQ(byte(10), 0x12);
    EXPECT_EQ(byte(11), 0x02);
    EXPECT_EQ(map.ReadMapValue("Partition0.N3"), 1061);
    EXPECT_EQ(map.ReadMapValue("Partition0.A3"), 100);

    EXPECT_TRUE(map.WriteMapValue("Partition1.N0", 2047));
    EXPECT_EQ(byte(128), 0x80);
    EXPECT_EQ(byte(129), 0xFF);
    EXPECT_EQ(byte(130), 0x03);
}

TEST_F(DefaultMapExamples, ReferenceDividerXtalAndMultiplier) {
    EXPECT_TRUE(map.WriteMapValue("Partition0.R5", 2560));
    EXPECT_EQ(byte(48), 0x00);
    EXPECT_EQ(byte(49), 0x0A);
    EXPECT_EQ(map.ReadMapValue("Partition0.R0"), 2560);  // every channel shares the bytes

    EXPECT_TRUE(map.WriteMapValue("Partition0.XTAL", 12800));
    EXPECT_EQ(byte(61), 0x00);
    EXPECT_EQ(byte(60), 0x32);
    EXPECT_EQ(map.ReadMapValue("Partition0.XTAL"), 12800);

    EXPECT_TRUE(map.WriteMapValue("Partition0.Multiplier", 300));
    EXPECT_EQ(byte(52), 44);
    EXPECT_EQ(map.ReadMapValue("Partition0.Multiplier"), 44);
}

// ---- transforms ----

TEST_F(DefaultMapExamples, PrescalerBit) {
    setBytes({{49, 0x3F}});
    EXPECT_TRUE(map.WriteMapValue("Partition0.Prescaler", 64));
    EXPECT_EQ(byte(49), 0x7F);
    EXPECT_EQ(map.ReadMapValue("Partition0.Prescaler"), 64);
    EXPECT_EQ(map.ReadMapValue("Partition0.R0"), 0x3F * 256);  // R keeps its bits

    EXPECT_TRUE(map.WriteMapValue("Partition0.Prescaler", 128));
    EXPECT_EQ(byte(49), 0x3F);
    EXPECT_EQ(map.ReadMapValue("Partition0.Prescaler"), 128);

    setBytes({{49, 0xFF}});
    EXPECT_TRUE(map.WriteMapValue("Partition0.Prescaler", 7));  // any other value clears the bit
    EXPECT_EQ(byte(49), 0xBF);

    EXPECT_TRUE(map.WriteMapValue("Partition1.Prescaler", 64));
    EXPECT_EQ(byte(177), 0x40);
}

TEST_F(DefaultMapExamples, IsReceiverByte) {
    struct Case {
        int32_t written;
        uint8_t stored;
    };
    for (const Case c : {Case{1, 84}, Case{0, 82}, Case{5, 82}, Case{-1, 82}}) {
        EXPECT_TRUE(map.WriteMapValue("Partition0.IsReceiver", c.written));
        EXPECT_EQ(byte(51), c.stored) << c.written;
    }
    struct Read {
        uint8_t stored;
        int32_t value;
    };
    for (const Read r : {Read{84, 1}, Read{82, 0}, Read{7, 7}, Read{0, 0}, Read{255, 255}}) {
        setBytes({{179, r.stored}});
        EXPECT_EQ(map.ReadMapValue("Partition1.IsReceiver"), r.value) << int(r.stored);
    }
}

TEST_F(DefaultMapExamples, OscillatorAboveRfByte) {
    EXPECT_TRUE(map.WriteMapValue("Partition0.OSCoverRF", 1));
    EXPECT_EQ(byte(55), 0);
    EXPECT_EQ(map.ReadMapValue("Partition0.OSCoverRF"), 1);
    EXPECT_TRUE(map.WriteMapValue("Partition0.OSCoverRF", 0));
    EXPECT_EQ(byte(55), 128);
    EXPECT_EQ(map.ReadMapValue("Partition0.OSCoverRF"), 0);
    setBytes({{183, 5}});
    EXPECT_EQ(map.ReadMapValue("Partition1.OSCoverRF"), 5);
}

TEST_F(DefaultMapExamples, FrequencyLimitsInMegahertz) {
    EXPECT_TRUE(map.WriteMapValue("Partition0.MinFreq", 470000));
    EXPECT_EQ(byte(57), 0xD6);
    EXPECT_EQ(byte(56), 0x01);
    EXPECT_EQ(map.ReadMapValue("Partition0.MinFreq"), 470000);

    EXPECT_TRUE(map.WriteMapValue("Partition0.MaxFreq", 470500));
    EXPECT_EQ(byte(59), 0xD6);
    EXPECT_EQ(byte(58), 0x01);
    EXPECT_EQ(map.ReadMapValue("Partition0.MaxFreq"), 470000);

    EXPECT_TRUE(map.WriteMapValue("Partition1.MaxFreq", 865000));
    EXPECT_EQ(byte(187) + 256 * byte(186), 865);
    EXPECT_EQ(map.ReadMapValue("Partition1.MaxFreq"), 865000);
}

TEST_F(DefaultMapExamples, AnEntryWithoutABarStoresTheValueUnchanged) {
    EXPECT_TRUE(map.EncodeEntry("(out=in/1000)57,56", 470));
    EXPECT_EQ(byte(57), 0xD6);
    EXPECT_EQ(byte(56), 0x01);
    EXPECT_EQ(map.DecodeEntry("(out=in/1000)57,56"), 0);
    EXPECT_EQ(map.DecodeEntry("(out=in*1000)57,56"), 470000);
}

TEST_F(DefaultMapExamples, IntermediateFrequencyChainWritesEveryCoding) {
    EXPECT_TRUE(map.WriteMapValue("Partition0.IF", 10700));
    EXPECT_EQ(byte(95), 0x00);
    EXPECT_EQ(byte(94), 0x07);
    EXPECT_EQ(byte(93), 0x01);
    EXPECT_EQ(byte(92), 0x00);
    EXPECT_EQ(byte(90), 1);
    EXPECT_EQ(byte(54), 10700 & 0xFF);
    EXPECT_EQ(byte(53), 10700 >> 8);
    for (int address : {95, 94, 93, 92, 90, 54, 53}) EXPECT_TRUE(changed(address)) << address;
    EXPECT_EQ(changedCount(), 7);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF"), 10700);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF_2"), 10700);

    EXPECT_TRUE(map.WriteMapValue("Partition0.IF", 700000));
    EXPECT_EQ(byte(90), 100);
    EXPECT_EQ(byte(54) + 256 * byte(53), 7000);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF"), 700000);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF_2"), 700000);

    EXPECT_TRUE(map.WriteMapValue("Partition0.IF", 100000));
    EXPECT_EQ(byte(90), 10);
    EXPECT_EQ(byte(54) + 256 * byte(53), 10000);

    EXPECT_TRUE(map.WriteMapValue("Partition1.IF", 21400));
    EXPECT_EQ(byte(223), 0x00);
    EXPECT_EQ(byte(222), 0x14);
    EXPECT_EQ(byte(221), 0x02);
    EXPECT_EQ(byte(220), 0x00);
    EXPECT_EQ(byte(218), 1);
    EXPECT_EQ(byte(54) + 256 * byte(53), 21400);  // partition 1 shares bytes 54 and 53
    EXPECT_EQ(map.ReadMapValue("Partition1.IF"), 21400);
}

TEST_F(DefaultMapExamples, IntermediateFrequencyChainReadsOnPastAnUndecodableBcd) {
    setBytes({{95, 0xFF}, {90, 10}, {54, 0x10}, {53, 0x27}});
    // IF_0 is not BCD, so IF_1 answers with its raw byte: the factor.
    EXPECT_EQ(map.ReadMapValue("Partition0.IF"), 10);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF_2"), 100000);
}

TEST_F(DefaultMapExamples, ScaleOfZeroMakesTheDividedCodingFail) {
    setBytes({{90, 0}});
    EXPECT_FALSE(map.WriteMapValue("Partition0.IF_2", 10700));  // 10700 / 0
    EXPECT_FALSE(changed(54));
    EXPECT_FALSE(changed(53));
    EXPECT_EQ(map.ReadMapValue("Partition0.IF_2"), 0);  // 0 * 0
}

// ---- text fields and the date ----

TEST_F(DefaultMapExamples, DateText) {
    EXPECT_TRUE(map.WriteEntryText(map.entryOf("Partition0.Date"), "06/12/26"));
    const char expected[] = "06/12/26";
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(byte(79 + i), expected[i]);
        EXPECT_TRUE(changed(79 + i));
    }
    EXPECT_EQ(map.ReadEntryText(map.entryOf("Partition0.Date")), "06/12/26");
    EXPECT_EQ(reader.readText(section, "Partition0.DateFormat"), "dd/mm/yy");

    EXPECT_TRUE(map.WriteEntryText(map.entryOf("Partition1.Date"), "31/01/27"));
    EXPECT_EQ(map.ReadEntryText("207,208,209,210,211,212,213,214"), "31/01/27");
}

TEST_F(DefaultMapExamples, SubtoneCodes) {
    EXPECT_TRUE(map.WriteMapValue("Partition0.Sub15", 30));
    EXPECT_EQ(byte(116), 30);
    EXPECT_TRUE(map.WriteMapValue("Partition1.Sub0", 255));
    EXPECT_EQ(byte(229), 255);
    EXPECT_EQ(map.ReadMapValue("Partition1.Sub0"), 255);
}

}  // namespace
}  // namespace quorprog::testing
