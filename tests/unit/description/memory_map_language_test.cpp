// Entry shapes, keyword groups, sub-key chains, key references, text fields and the identification
// form, over a description made for them.
#include <gtest/gtest.h>

#include "description/fixed_value.h"
#include "memory_map_fixture.h"

namespace quorprog::testing {
namespace {

const char* const kLanguageDescription =
    "[MAP]\r\n"
    "Plain=10\r\n"
    "Both=20\r\n"
    "Both_0=21\r\n"
    "Chain_0=(DISCARD)30\r\n"
    "Chain_1=(BCD)|(BCD)31,32\r\n"
    "Chain_2=33\r\n"
    "AllFail_0=(DISCARD)34\r\n"
    "AllFail_1=()35\r\n"
    "AllFail_2=(out=in/0)36\r\n"
    "Gap_0=37\r\n"
    "Gap_2=38\r\n"
    "OnlyLater_1=39\r\n"
    "Nested_0_0=40\r\n"
    "Scaled_0=(out=3)|41\r\n"
    "Scaled_1=(out=in*Scaled_0)|(out=in/Scaled_0)42\r\n"
    "Partial_0=43\r\n"
    "Partial_1=(out=in/0)|44\r\n"
    "Partial_2=300\r\n"
    "Partial_3=45\r\n"
    "Self=(out=in+Self)|(out=in+Self)50\r\n"
    "PingA=(out=PingB)|(out=PingB)51\r\n"
    "PingB=(out=PingA+1)|(out=PingA+1)52\r\n"
    "SelfChain_0=(out=SelfChain)53\r\n"
    "SelfChain_1=54\r\n"
    "Bad=256\r\n"
    "UsesBad=(out=in+Bad)|(out=in+Bad)55\r\n"
    "Ref1=(out=Ref2+1)56\r\n"
    "Ref2=(out=Ref3+1)56\r\n"
    "Ref3=(out=Ref4+1)56\r\n"
    "Ref4=(out=Ref5+1)56\r\n"
    "Ref5=(out=Ref6+1)56\r\n"
    "Ref6=(out=Ref7+1)56\r\n"
    "Ref7=(out=Ref8+1)56\r\n"
    "Ref8=56\r\n"
    "Ref9=(out=Ref1+1)56\r\n"
    "Fan0=(out=Fan1+Fan1;out=out+Fan1;out=out+Fan1)57\r\n"
    "Fan1=(out=Fan2+Fan2;out=out+Fan2;out=out+Fan2)57\r\n"
    "Fan2=(out=Fan3+Fan3;out=out+Fan3;out=out+Fan3)57\r\n"
    "Fan3=(out=Fan4+Fan4;out=out+Fan4;out=out+Fan4)57\r\n"
    "Fan4=(out=Fan5+Fan5;out=out+Fan5;out=out+Fan5)57\r\n"
    "Fan5=(out=Fan6+Fan6;out=out+Fan6;out=out+Fan6)57\r\n"
    "Fan6=57\r\n";

class MemoryMapLanguage : public MemoryMapTest {
protected:
    MemoryMapLanguage() : MemoryMapTest(kLanguageDescription, "MAP") {}
};

// ---- entry shapes ----

struct ShapeCase {
    const char* entry;
    int32_t written;
    uint8_t stored;   // byte 5 after the write
    int32_t readBack; // DecodeEntry after the write
};

TEST_F(MemoryMapLanguage, EncodeGroupsBeforeTheBarDecodeGroupsAfterIt) {
    const ShapeCase cases[] = {
        {"(out=in*2)|(out=in/2)5", 10, 20, 10},                     // (E)|(D)
        {"(out=in*2)|5", 10, 20, 20},                               // (E)|: read raw
        {"(out=in*2)5", 10, 10, 20},                                // (D) alone: written unchanged
        {"5", 10, 10, 10},                                          //
        {"(out=in*2)(out=in+1)|(out=in-1)(out=in/2)5", 10, 21, 10}, // groups in order
        {"x(out=in*2)|5", 3, 6, 6},            // text before an encode group is ignored
        {")(out=in*2)|5", 3, 6, 6},            // so is a stray ")"
        {"(out=in*2) |5", 3, 6, 6},            // and text between the last group and the bar
        {"(out=in*2)|(out=in+1) (out=in+100)5", 3, 6, 7},  // a group after a space is no group
        {"(out=in*2)| (out=in+1)5", 3, 6, 6},  // not even the first one
        {"(DISCARD)|(out=in+1)5", 3, 3, 4},    // DISCARD and () write nothing special
        {"()|(out=in+1)5", 3, 3, 4},
        {"(BCD)5", 0x12, 0x12, 12},            // no bar: the BCD group only reads
        {"( BCD)|5", 3, 3, 3},                 // not the keyword: a statement without "="
        {"(out=in+1)|(out=in-1)|5", 3, 0, -1}, // a second bar stays in the locator: both fail
    };
    for (const auto& c : cases) {
        image.reset();
        const bool shouldStore = c.readBack != -1;
        EXPECT_EQ(map.EncodeEntry(c.entry, c.written), shouldStore) << c.entry;
        EXPECT_EQ(byte(5), c.stored) << c.entry;
        EXPECT_EQ(map.DecodeEntry(c.entry), c.readBack) << c.entry;
    }
    expectNoMessage();
}

TEST_F(MemoryMapLanguage, ASpaceAfterTheBarHidesTheDecodeGroup) {
    setBytes({{95, 0x99}});
    EXPECT_EQ(map.DecodeEntry("(BCD)|(BCD)95,94,93,92"), 99);
    EXPECT_EQ(map.DecodeEntry("(BCD)| (BCD)95,94,93,92"), 0x99);  // the raw value
}

TEST_F(MemoryMapLanguage, DiscardAndEmptyGroupsFailTheRead) {
    setBytes({{5, 7}});
    for (const char* entry : {"(DISCARD)5", "()5", "|(DISCARD)5", "(out=1)|()5", "(out=in)(DISCARD)5",
                              "(DISCARD)(out=1)5"})
        EXPECT_EQ(map.DecodeEntry(entry), -1) << entry;
    EXPECT_TRUE(map.EncodeEntry("(DISCARD)5", 9));  // no bar: the group serves reading only
    EXPECT_EQ(byte(5), 9);
}

TEST_F(MemoryMapLanguage, DivisionByZeroFailsTheReadAndTheWriteBeforeAnyStore) {
    setBytes({{5, 7}});
    EXPECT_EQ(map.DecodeEntry("(out=in/0)5"), -1);
    EXPECT_EQ(map.DecodeEntry("(out=in/Plain)5"), -1);  // byte 10 holds 0
    EXPECT_FALSE(map.EncodeEntry("(out=in/0)|5,6", 1));
    EXPECT_FALSE(map.EncodeEntry("(out=in+1)(out/=0)|5,6", 1));
    EXPECT_EQ(byte(5), 7);
    EXPECT_EQ(changedCount(), 0);
    EXPECT_EQ(map.DecodeEntry("(out=1;if in==0 then out=in/0)5"), 1);  // not executed
    EXPECT_EQ(map.DecodeEntry("(out=$80000000;out/=$FFFFFFFF)5"), INT32_MIN);
    // "-" is tried before "/": this is ($80000000/) - 1, a key reference minus one.
    EXPECT_EQ(map.DecodeEntry("(out=$80000000/-1)5"), -2);
    expectNoMessage();
}

TEST_F(MemoryMapLanguage, AnEntryWithoutLocatorFails) {
    EXPECT_FALSE(map.EncodeEntry("(out=in*2)|", 1));
    EXPECT_EQ(map.DecodeEntry("(out=in*2)|"), -1);
    EXPECT_EQ(map.DecodeEntry("(out=1)"), -1);
    EXPECT_EQ(map.DecodeEntry("(out=1"), -1);  // no ")": the whole entry is the locator
    EXPECT_FALSE(map.EncodeEntry("(out=1", 1));
    EXPECT_EQ(changedCount(), 0);
    expectNoMessage();
}

TEST_F(MemoryMapLanguage, TextBetweenDecodeGroupsAndTheLocatorIsSkippedWhenReading) {
    setBytes({{5, 6}});
    EXPECT_EQ(map.DecodeEntry("|(out=in+1)junk)5"), 7);
    // Writing finds its locator after the groups differently, and "junk)5" is no locator.
    EXPECT_FALSE(map.EncodeEntry("(out=in*2)|(out=in+1)junk)5", 3));
    EXPECT_EQ(byte(5), 6);
    expectNoMessage();
}

TEST_F(MemoryMapLanguage, TheLocatorIsCheckedBeforeTheDecodeGroupsRun) {
    // The locator fails first: the reference in the group is never read, so its message is not shown.
    EXPECT_EQ(map.DecodeEntry("(out=Bad)300"), -1);
    expectOneError(kReadingError);
}

// ---- BCD and ASCII groups through entries ----

TEST_F(MemoryMapLanguage, BcdWritingAndReading) {
    EXPECT_TRUE(map.EncodeEntry("(BCD)|(BCD)95,94,93,92", 123456789));
    EXPECT_EQ(byte(95), 0x89);
    EXPECT_EQ(byte(94), 0x67);
    EXPECT_EQ(byte(93), 0x45);
    EXPECT_EQ(byte(92), 0x23);
    EXPECT_EQ(map.DecodeEntry("(BCD)|(BCD)95,94,93,92"), 23456789);

    setBytes({{94, 0xEE}, {93, 0xEE}, {92, 0xEE}});
    EXPECT_TRUE(map.EncodeEntry("(BCD)|(BCD)95,94,93,92", 5));
    EXPECT_EQ(byte(95), 0x05);
    EXPECT_EQ(byte(94), 0);
    EXPECT_EQ(byte(93), 0);
    EXPECT_EQ(byte(92), 0);
    EXPECT_EQ(changedCount(), 4);
    EXPECT_EQ(map.DecodeEntry("(BCD)|(BCD)95,94,93,92"), 5);

    setBytes({{95, 0xFF}});
    EXPECT_EQ(map.DecodeEntry("(BCD)|(BCD)95,94,93,92"), -1);

    image.reset();
    EXPECT_TRUE(map.EncodeEntry("(BCD)|1,2", -5));  // the sign packs as 13
    EXPECT_EQ(byte(1), 0xD5);
    EXPECT_EQ(byte(2), 0);
    EXPECT_EQ(map.DecodeEntry("|(BCD)1,2"), -1);
    expectNoMessage();
}

TEST_F(MemoryMapLanguage, BcdGroupsCombineWithStatementGroups) {
    EXPECT_TRUE(map.EncodeEntry("(out=in/10)(BCD)(out=0)|1,2", 1230));  // BCD ends the write
    EXPECT_EQ(byte(1), 0x23);
    EXPECT_EQ(byte(2), 0x01);
    EXPECT_EQ(map.DecodeEntry("|(BCD)(out=in*10)1,2"), 1230);
    // The raw bytes are whole bytes even where the locator names bits.
    EXPECT_EQ(map.DecodeEntry("|(BCD)1[0],2[0]"), 123);
    EXPECT_EQ(map.DecodeEntry("1[0],2[0]"), 3);
}

TEST_F(MemoryMapLanguage, BcdWritingNeedsPlainAddressesAndKeepsWhatItStored) {
    EXPECT_FALSE(map.EncodeEntry("(BCD)|1,2[0],3", 4321));
    expectNoMessage();
    EXPECT_EQ(byte(1), 0x21);
    EXPECT_EQ(changedCount(), 1);

    image.reset();
    EXPECT_FALSE(map.EncodeEntry("(BCD)|1,256,3", 4321));
    expectOneError(kWritingError);
    EXPECT_EQ(byte(1), 0x21);
    EXPECT_EQ(changedCount(), 1);

    image.reset();
    EXPECT_TRUE(map.EncodeEntry("(BCD)|1", 4321));  // the elements run out: digits dropped
    EXPECT_EQ(byte(1), 0x21);
    EXPECT_FALSE(map.EncodeEntry("(BCD)|", 1));
}

TEST_F(MemoryMapLanguage, BcdFieldsHaveAtMost31Bytes) {
    std::string locator31;
    for (int i = 0; i < 31; ++i) locator31 += (i ? "," : "") + std::to_string(100 + i);
    const std::string locator32 = locator31 + ",131";
    EXPECT_TRUE(map.EncodeEntry("(BCD)|" + locator31, 987654321));
    EXPECT_EQ(map.DecodeEntry("|(BCD)" + locator31), 987654321);
    image.reset();
    EXPECT_FALSE(map.EncodeEntry("(BCD)|" + locator32, 1));
    EXPECT_EQ(changedCount(), 0);
    EXPECT_EQ(map.DecodeEntry("|(BCD)" + locator32), -1);
    EXPECT_EQ(map.DecodeEntry(locator32), 0);  // as a plain field it is just long
    expectNoMessage();
}

TEST_F(MemoryMapLanguage, AsciiWritingAndReading) {
    EXPECT_TRUE(map.EncodeEntry("(ASCII)|(ASCII)10,11,12,13", 42));
    EXPECT_EQ(byte(10), '4');
    EXPECT_EQ(byte(11), '2');
    EXPECT_EQ(byte(12), 0);
    EXPECT_EQ(byte(13), 0);
    EXPECT_EQ(changedCount(), 4);
    EXPECT_EQ(map.DecodeEntry("(ASCII)|(ASCII)10,11,12,13"), 42);

    EXPECT_TRUE(map.EncodeEntry("(ASCII)|(ASCII)10,11,12,13", -7));
    EXPECT_EQ(map.DecodeEntry("(ASCII)|(ASCII)10,11,12,13"), -7);

    EXPECT_TRUE(map.EncodeEntry("(ASCII)|10,11", 12345));  // characters beyond the elements dropped
    EXPECT_EQ(map.DecodeEntry("|(ASCII)10,11"), 12);

    EXPECT_TRUE(map.EncodeEntry("(ASCII)|RIGHT10,11,12,13", 42));  // the alignment words apply
    EXPECT_EQ(byte(10), 0);
    EXPECT_EQ(byte(11), 0);
    EXPECT_EQ(byte(12), '4');
    EXPECT_EQ(byte(13), '2');
    // Reading has no alignment word, and leading zero bytes end the text at once.
    EXPECT_EQ(map.DecodeEntry("|(ASCII)10,11,12,13"), -1);
    EXPECT_EQ(map.DecodeEntry("|(ASCII)12,13"), 42);

    setBytes({{20, '1'}, {21, '2'}, {22, 0}, {23, '3'}});
    EXPECT_EQ(map.DecodeEntry("|(ASCII)20,21,22,23"), 12);
    EXPECT_FALSE(map.EncodeEntry("(ASCII)|20,300", 12));
    expectOneError(kWritingError);
    EXPECT_EQ(byte(20), '1');
}

// ---- sub-key chains ----

TEST_F(MemoryMapLanguage, AKeyWithAValueIsReadAndWrittenAlone) {
    setBytes({{20, 1}, {21, 2}});
    EXPECT_EQ(map.ReadMapValue("Both"), 1);
    EXPECT_TRUE(map.WriteMapValue("Both", 9));
    EXPECT_EQ(byte(20), 9);
    EXPECT_EQ(byte(21), 2);
    EXPECT_FALSE(changed(21));
    EXPECT_EQ(map.ReadMapValue("both"), 9);  // keys match without regard to case
}

TEST_F(MemoryMapLanguage, ChainsAreReadUntilTheFirstValueThatIsNotMinusOne) {
    setBytes({{30, 5}, {31, 0x34}, {32, 0x12}, {33, 77}});
    EXPECT_EQ(map.ReadMapValue("Chain"), 1234);  // DISCARD hands the read on
    setBytes({{31, 0xFF}});
    EXPECT_EQ(map.ReadMapValue("Chain"), 77);  // so does a BCD that does not decode
    setBytes({{33, 0xFF}});
    EXPECT_EQ(map.ReadMapValue("Chain"), 255);

    EXPECT_EQ(map.ReadMapValue("AllFail"), -1);
    EXPECT_EQ(map.ReadMapValue("OnlyLater"), -1);  // no _0: no chain
    EXPECT_EQ(map.ReadMapValue("Nested"), -1);     // sub-keys have no chains of their own
    setBytes({{37, 3}, {38, 4}});
    EXPECT_EQ(map.ReadMapValue("Gap"), 3);
    setBytes({{37, 0xFF}});
    // Gap_0 = 37 as one byte reads 255, not -1; a gap ends the chain.
    EXPECT_EQ(map.ReadMapValue("Gap"), 255);
}

TEST_F(MemoryMapLanguage, ChainsAreWrittenInIndexOrderContinuingAfterAFailure) {
    EXPECT_TRUE(map.WriteMapValue("Chain", 1234));
    EXPECT_EQ(byte(30), 0xD2);  // 1234 & 0xFF: DISCARD has no effect on writing
    EXPECT_EQ(byte(31), 0x34);
    EXPECT_EQ(byte(32), 0x12);
    EXPECT_EQ(byte(33), 0xD2);

    EXPECT_TRUE(map.WriteMapValue("Gap", 6));
    EXPECT_EQ(byte(37), 6);
    EXPECT_FALSE(changed(38));

    EXPECT_FALSE(map.WriteMapValue("Partial", 9));  // _1 divides by zero, _2 is out of range
    expectOneError(kWritingError);
    EXPECT_EQ(byte(43), 9);
    EXPECT_FALSE(changed(44));
    EXPECT_EQ(byte(45), 9);  // written after the failures
    EXPECT_FALSE(map.WriteMapValue("OnlyLater", 1));
    EXPECT_FALSE(changed(39));
}

TEST_F(MemoryMapLanguage, ALaterSubKeySeesTheBytesAnEarlierOneJustWrote) {
    setBytes({{41, 7}});
    EXPECT_TRUE(map.WriteMapValue("Scaled", 5));
    EXPECT_EQ(byte(41), 3);
    EXPECT_EQ(byte(42), 15);  // 5 * 3 with the 3 just written, not the 7 before
    EXPECT_EQ(map.ReadMapValue("Scaled"), 3);
    EXPECT_EQ(map.ReadMapValue("Scaled_1"), 5);
}

// ---- key references ----

TEST_F(MemoryMapLanguage, KeyReferencesReadWithTheirOwnTransformsAndChains) {
    setBytes({{30, 1}, {31, 0x21}, {32, 0x00}, {5, 4}});
    EXPECT_EQ(map.DecodeEntry("(out=in*Chain)5"), 84);
    EXPECT_EQ(map.DecodeEntry("(out=in+Missing)5"), 3);  // an absent key reads -1
    EXPECT_EQ(map.DecodeEntry("(if Chain==21 then out=0)5"), 0);
}

TEST_F(MemoryMapLanguage, ReferencesThatLeadBackToThemselvesFail) {
    setBytes({{50, 1}, {51, 2}, {52, 3}, {53, 4}, {54, 5}});
    EXPECT_EQ(map.ReadMapValue("Self"), -1);
    EXPECT_EQ(map.ReadMapValue("PingA"), -1);
    EXPECT_EQ(map.ReadMapValue("PingB"), -1);
    EXPECT_FALSE(map.WriteMapValue("Self", 1));
    EXPECT_FALSE(map.WriteMapValue("PingA", 1));
    EXPECT_EQ(changedCount(), 0);
    // A chain whose first sub-key refers to the chain hands the read on to the next.
    EXPECT_EQ(map.ReadMapValue("SelfChain"), 5);
    expectNoMessage();
    // And the map works normally afterwards.
    EXPECT_EQ(map.ReadMapValue("Plain"), 0);
    EXPECT_EQ(map.DecodeEntry("(out=PingB)50"), -1);
    EXPECT_EQ(map.DecodeEntry("(out=in+1)50"), 2);
}

TEST_F(MemoryMapLanguage, ReferencesNestUpToTheDepthLimit) {
    setBytes({{56, 10}});
    EXPECT_EQ(MemoryMap::kMaxReferenceDepth, 8);
    EXPECT_EQ(map.ReadMapValue("Ref8"), 10);
    EXPECT_EQ(map.ReadMapValue("Ref1"), 17);  // seven references deep
    EXPECT_EQ(map.DecodeEntry("(out=Ref1)56"), 17);  // eight
    EXPECT_EQ(map.DecodeEntry("(out=Ref9)56"), -1);  // nine
    EXPECT_EQ(map.ReadMapValue("Ref9"), 18);
}

TEST_F(MemoryMapLanguage, ReferencesThatFanOutStopAtTheBudget) {
    setBytes({{57, 1}});
    EXPECT_EQ(map.ReadMapValue("Fan5"), 4);
    EXPECT_EQ(map.ReadMapValue("Fan3"), 64);     // 4 + 16 + 64 = 84 references
    EXPECT_EQ(map.ReadMapValue("Fan0"), -1);     // 4^6 > 1024 references
    EXPECT_EQ(map.ReadMapValue("Fan3"), 64);     // a new operation, a new budget
}

TEST(MemoryMapReferenceBudget, CountsTheSubKeysAReferenceReads) {
    std::string text = "[MAP]\nUsesLong=(out=Long)9\nUsesShort=(out=Short)9\n";
    for (int i = 0; i < 1100; ++i) text += "Long_" + std::to_string(i) + "=(DISCARD)1\n";
    text += "Long_1100=5\n";
    for (int i = 0; i < 1000; ++i) text += "Short_" + std::to_string(i) + "=(DISCARD)1\n";
    text += "Short_1000=6\n";
    const auto reader = DescriptionReader::fromText(text);
    MemoryImage image;
    image.reset();
    image.bytes()[5] = 5;
    image.bytes()[6] = 6;
    RecordingPrompter prompter;
    const std::string section = "MAP";
    MemoryMap map(reader, section, image, prompter);
    EXPECT_EQ(map.ReadMapValue("Long"), 5);        // read by the caller: no budget
    EXPECT_EQ(map.ReadMapValue("UsesLong"), -1);   // 1101 sub-keys through a reference
    EXPECT_EQ(map.ReadMapValue("UsesShort"), 6);   // 1001 sub-keys and the reference itself
}

TEST_F(MemoryMapLanguage, AReferenceShowsItsOwnAddressMessage) {
    setBytes({{55, 5}});
    EXPECT_EQ(map.ReadMapValue("UsesBad"), 4);
    expectOneError(kReadingError);
    EXPECT_TRUE(map.WriteMapValue("UsesBad", 5));
    expectOneError(kReadingError);
    EXPECT_EQ(byte(55), 4);
}

// ---- text fields ----

TEST_F(MemoryMapLanguage, ReadEntryTextSkipsZeroBytesAndIgnoresTheAlignmentWord) {
    setBytes({{87, 'G'}, {88, 0}, {89, 'E'}});
    EXPECT_EQ(map.ReadEntryText("87,88,89"), "GE");
    EXPECT_EQ(map.ReadEntryText("LEFT87,88,89"), "GE");
    EXPECT_EQ(map.ReadEntryText("RIGHT87,88,89"), "GE");
    EXPECT_EQ(map.ReadEntryText("junkLEFT 87, 89"), "GE");
    EXPECT_EQ(map.ReadEntryText("89,87"), "EG");
    EXPECT_EQ(map.ReadEntryText("88"), "");
    // whole bytes only: a bit list makes the address invalid; no message
    EXPECT_EQ(map.ReadEntryText("87,88[0],89"), "");
    EXPECT_EQ(map.ReadEntryText("87,x"), "");
    EXPECT_EQ(map.ReadEntryText("87,"), "");
    EXPECT_EQ(map.ReadEntryText("LEFT"), "");
    expectNoMessage();
    EXPECT_EQ(map.ReadEntryText("87,256[0]"), "");  // not an integer text either
    expectNoMessage();
    EXPECT_EQ(map.ReadEntryText("87,-1"), "");
    expectOneError(kReadingError);
}

TEST_F(MemoryMapLanguage, WriteEntryTextAlignsLeftOrRight) {
    struct Case {
        const char* entry;
        const char* text;
        std::vector<uint8_t> bytes;  // bytes 10.. after the write
    };
    const Case cases[] = {
        {"10,11,12,13", "ABC", {'A', 'B', 'C', 0}},
        {"LEFT10,11,12,13", "ABC", {'A', 'B', 'C', 0}},
        {"RIGHT10,11,12,13", "ABC", {0, 'A', 'B', 'C'}},
        {"LEFT10,11,12", "ABCDE", {'A', 'B', 'C'}},
        {"RIGHT10,11,12", "ABCDE", {'C', 'D', 'E'}},
        {"RIGHT10,11,12", "ABC", {'A', 'B', 'C'}},
        {"RIGHT10,11,12", "", {0, 0, 0}},
        {"10,11,12", "", {0, 0, 0}},
        {"RIGHTLEFT10,11,12", "AB", {'A', 'B', 0}},
        {"xRIGHT 10, 11, 12", "AB", {0, 'A', 'B'}},
        {"12,11,10", "ABC", {'C', 'B', 'A'}},
    };
    for (const auto& c : cases) {
        image.reset();
        setBytes({{10, 0xEE}, {11, 0xEE}, {12, 0xEE}, {13, 0xEE}});
        EXPECT_TRUE(map.WriteEntryText(c.entry, c.text)) << c.entry;
        for (size_t i = 0; i < c.bytes.size(); ++i) {
            EXPECT_EQ(byte(10 + static_cast<int>(i)), c.bytes[i]) << c.entry << " byte " << 10 + i;
            EXPECT_TRUE(changed(10 + static_cast<int>(i)));
        }
        EXPECT_EQ(changedCount(), static_cast<int>(c.bytes.size())) << c.entry;
    }
    expectNoMessage();
}

TEST_F(MemoryMapLanguage, WriteEntryTextStopsAtTheFirstBadElement) {
    EXPECT_FALSE(map.WriteEntryText("10,11[0],12", "ABC"));
    expectNoMessage();
    EXPECT_EQ(byte(10), 'A');
    EXPECT_EQ(changedCount(), 1);
    image.reset();
    EXPECT_FALSE(map.WriteEntryText("RIGHT10,256,12", "ABC"));
    expectOneError(kWritingError);
    EXPECT_EQ(byte(10), 'A');
    EXPECT_EQ(changedCount(), 1);
    image.reset();
    EXPECT_FALSE(map.WriteEntryText("LEFT", "ABC"));  // the word leaves one empty element
    EXPECT_FALSE(map.WriteEntryText("LEFTRIGHT10,11", "AB"));  // LEFT first: "RIGHT10" remains
    EXPECT_EQ(changedCount(), 0);
}

TEST_F(MemoryMapLanguage, WriteEntryTextStoresAnyByte) {
    const std::string text{"\x01\xFF\x00Z", 4};
    EXPECT_TRUE(map.WriteEntryText("10,11,12,13", text));
    EXPECT_EQ(byte(10), 0x01);
    EXPECT_EQ(byte(11), 0xFF);
    EXPECT_EQ(byte(12), 0x00);
    EXPECT_EQ(byte(13), 'Z');
    EXPECT_EQ(map.ReadEntryText("10,11,12,13"), std::string("\x01\xFFZ"));
}

// ---- identification form ----

TEST_F(MemoryMapLanguage, FixedValuesParse) {
    struct Case {
        const char* value;
        bool valid;
        bool isText;
        const char* expectedText;
        int32_t expectedNumber;
        const char* entry;
    };
    const Case cases[] = {
        {"176>91", true, false, "", 176, "91"},
        {"\"GPE\">87,88,89", true, true, "GPE", 0, "87,88,89"},
        {"$B0>91", true, false, "", 176, "91"},
        {" -1>91", true, false, "", -1, "91"},
        {"\"\">87", true, true, "", 0, "87"},
        {"\"A>B\">87", true, true, "A>B", 0, "B\">87"},  // the entry follows the first ">"
        {"x\"GP\"y>87", true, true, "GP", 0, "87"},
        {"176>", true, false, "", 176, ""},
        {"176>91>92", true, false, "", 176, "91>92"},
        {"17 6>91", false},
        {"176 >91", false},
        {"176", false},
        {"\"GPE\"87", false},
        {"\"GPE>87", false},
        {">91", false},
        {"", false},
        {"abc>91", false},
    };
    for (const auto& c : cases) {
        const auto fixed = parseFixedValue(c.value);
        ASSERT_EQ(fixed.has_value(), c.valid) << c.value;
        if (!fixed) continue;
        EXPECT_EQ(fixed->isText, c.isText) << c.value;
        EXPECT_EQ(fixed->expectedText, c.expectedText) << c.value;
        EXPECT_EQ(fixed->expectedNumber, c.expectedNumber) << c.value;
        EXPECT_EQ(fixed->entry, c.entry) << c.value;
    }
}

TEST_F(MemoryMapLanguage, FixedValuesCompareTextsAndNumbers) {
    setBytes({{87, 'G'}, {88, 'P'}, {89, 'E'}, {91, 176}});
    EXPECT_EQ(checkFixedValue(map, "\"GPE\">87,88,89"), FixedCheck::Matches);
    EXPECT_EQ(checkFixedValue(map, "\"gpe\">87,88,89"), FixedCheck::Differs);  // case counts
    EXPECT_EQ(checkFixedValue(map, "\"GP\">87,88,89"), FixedCheck::Differs);
    EXPECT_EQ(checkFixedValue(map, "176>91"), FixedCheck::Matches);
    EXPECT_EQ(checkFixedValue(map, "177>91"), FixedCheck::Differs);
    EXPECT_EQ(checkFixedValue(map, "88>(out=in/2)91"), FixedCheck::Matches);
    EXPECT_EQ(checkFixedValue(map, "176"), FixedCheck::Malformed);
    EXPECT_EQ(checkFixedValue(map, "-1>x"), FixedCheck::Matches);  // -1 is also "no value"
    expectNoMessage();
    EXPECT_EQ(checkFixedValue(map, "0>300"), FixedCheck::Differs);
    expectOneError(kReadingError);
    setBytes({{88, 0}});
    EXPECT_EQ(checkFixedValue(map, "\"GE\">87,88,89"), FixedCheck::Matches);

    Bytes other(256, 0);
    other[91] = 177;
    EXPECT_EQ(checkFixedValue(map, "177>91", &other), FixedCheck::Matches);
    image.release();
    EXPECT_EQ(checkFixedValue(map, "176>91"), FixedCheck::Differs);
    EXPECT_EQ(checkFixedValue(map, "\"\">87"), FixedCheck::Matches);  // no image reads ""
}

}  // namespace
}  // namespace quorprog::testing
