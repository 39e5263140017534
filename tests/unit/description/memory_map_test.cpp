#include <gtest/gtest.h>

#include "memory_map_fixture.h"

namespace quorprog::testing {
namespace {

// ---- field assembly and store (locators) ----

struct DecodeCase {
    const char* entry;
    std::initializer_list<std::pair<int, uint8_t>> bytes;
    int32_t value;
};

class LocatorReading : public MemoryMapTest {};

TEST_F(LocatorReading, AssemblesTheNamedBitsFromTheLeastSignificantUp) {
    const DecodeCase cases[] = {
        // the worked readings of the built-in maps
        {"9[7],10,11[01]", {{9, 0x80}, {10, 0x12}, {11, 0x02}}, 1061},
        {"9[7],10,11[01]", {{9, 0x7F}, {10, 0xFF}, {11, 0xFC}}, 510},
        {"9[0123456]", {{9, 0xD5}}, 0x55},
        {"48,49[012345]", {{48, 0x00}, {49, 0xC4}}, 1024},
        {"48,49[012345]", {{48, 0x34}, {49, 0xFF}}, 0x34 + 256 * 63},
        {"49[6]", {{49, 0x40}}, 1},
        {"49[6]", {{49, 0xBF}}, 0},
        {"61,60", {{61, 0x00}, {60, 0x32}}, 12800},
        {"52", {{52, 200}}, 200},
        // bit order as listed
        {"5[01]", {{5, 0x01}}, 1},
        {"5[10]", {{5, 0x01}}, 2},
        {"5[12]", {{5, 0x04}}, 2},  // bits 1 and 2, never bit 12
        {"5[77]", {{5, 0x80}}, 3},  // a bit may be named twice
        {"5[]", {{5, 0xFF}}, 0},    // an empty list names no bit
        // addresses: spaces after commas, hexadecimal, earlier is less significant
        {"9, 10", {{9, 0x01}, {10, 0x02}}, 0x0201},
        {"$0A,0x09", {{9, 0x01}, {10, 0x02}}, 0x0102},
        {" 1,2,3,4", {{1, 0x78}, {2, 0x56}, {3, 0x34}, {4, 0x12}}, 0x12345678},
        // all 32 bits set cannot be told from a failure
        {"1,2,3,4", {{1, 0xFF}, {2, 0xFF}, {3, 0xFF}, {4, 0xFF}}, -1},
        {"1,2,3,4", {{1, 0x00}, {2, 0x00}, {3, 0x00}, {4, 0x80}}, INT32_MIN},
        // bits beyond the 32nd add nothing
        {"1,2,3,4,5", {{1, 0x01}, {5, 0xFF}}, 1},
        {"1,2,3,4[0123456],5[7],6[0]", {{4, 0x00}, {5, 0x80}, {6, 0x01}}, INT32_MIN},
        {"255", {{255, 7}}, 7},
        {"0", {{0, 9}}, 9},
    };
    for (const auto& c : cases) {
        image.reset();
        setBytes(c.bytes);
        EXPECT_EQ(map.DecodeEntry(c.entry), c.value) << c.entry;
    }
    expectNoMessage();
}

TEST_F(LocatorReading, MalformedLocatorsFailWithoutAMessage) {
    setBytes({{9, 0x80}, {10, 1}});
    const char* const cases[] = {
        "9 [7]",   // the address text ends in a space
        "9[7] ",   // text after the list
        "9[7",     // no closing bracket
        "9[7]]",   // a bracket is no digit
        "9[x]",    // not a digit
        "9[8]",    // 8 and 9 name no bit of a byte
        "9[019]",  //
        "9[-1]",   //
        "9,",      // an empty element
        ",9",      //
        "9 ",      // trailing space
        "nine",    //
        "9,,10",   //
        "1.5",     //
        "\t9",     // only spaces may lead
        "[7]",     // no address
    };
    for (const char* entry : cases) EXPECT_EQ(map.DecodeEntry(entry), -1) << entry;
    expectNoMessage();
}

TEST_F(LocatorReading, AddressesOutsideTheFirstBankShowTheReadingMessageOnce) {
    for (const char* entry : {"256", "300", "-1", "$100", "1,256,300", "256[0]", "300[9]",
                              "9,10,-5"}) {
        EXPECT_EQ(map.DecodeEntry(entry), -1) << entry;
        expectOneError(kReadingError);
    }
    EXPECT_EQ(map.ReadEntryText("87,256"), "");
    expectOneError(kReadingError);
}

TEST_F(LocatorReading, StopsAtTheFirstFailingElement) {
    // An invalid element before an out-of-range one: no message.
    EXPECT_EQ(map.DecodeEntry("1,x,256"), -1);
    expectNoMessage();
    // An out-of-range element before an invalid one: the message.
    EXPECT_EQ(map.DecodeEntry("1,256,x"), -1);
    expectOneError(kReadingError);
}

struct EncodeCase {
    const char* entry;
    int32_t value;
    std::initializer_list<std::pair<int, uint8_t>> before;
    std::initializer_list<std::pair<int, uint8_t>> after;
};

class LocatorWriting : public MemoryMapTest {};

TEST_F(LocatorWriting, SpreadsTheValueOverTheNamedBits) {
    const EncodeCase cases[] = {
        {"9[7],10,11[01]", 1061, {}, {{9, 0x80}, {10, 0x12}, {11, 0x02}}},
        // bits not named keep their value
        {"9[7],10,11[01]", 1061, {{9, 0x7F}, {11, 0xFC}}, {{9, 0xFF}, {10, 0x12}, {11, 0xFE}}},
        {"9[7],10,11[01]", 0, {{9, 0xFF}, {10, 0xFF}, {11, 0xFF}}, {{9, 0x7F}, {10, 0}, {11, 0xFC}}},
        {"9[0123456]", 0x55, {{9, 0x80}}, {{9, 0xD5}}},
        {"61,60", 12800, {}, {{61, 0x00}, {60, 0x32}}},
        {"52", 300, {}, {{52, 44}}},                               // the rest dropped silently
        {"48,49[012345]", -1, {{49, 0x00}}, {{48, 0xFF}, {49, 0x3F}}},  // the sign repeats
        {"48,49[012345]", -1, {{49, 0xC0}}, {{48, 0xFF}, {49, 0xFF}}},
        {"49[6]", 1, {{49, 0x3F}}, {{49, 0x7F}}},
        {"49[6]", 2, {{49, 0xFF}}, {{49, 0xBF}}},  // only bit 0 of the value lands
        {"5[10]", 2, {}, {{5, 0x01}}},
        {"5[77]", 1, {}, {{5, 0x00}}},  // the later naming wins: bit 1 of the value
        {"5[77]", 2, {}, {{5, 0x80}}},
        {"1,2,3,4,5", -2, {}, {{1, 0xFE}, {2, 0xFF}, {3, 0xFF}, {4, 0xFF}, {5, 0xFF}}},
        {"1,2,3,4,5", INT32_MAX, {}, {{1, 0xFF}, {2, 0xFF}, {3, 0xFF}, {4, 0x7F}, {5, 0x00}}},
        {"9, 10", 0x0201, {}, {{9, 0x01}, {10, 0x02}}},
        {"5[]", 7, {{5, 0xAA}}, {{5, 0xAA}}},
    };
    for (const auto& c : cases) {
        image.reset();
        setBytes(c.before);
        EXPECT_TRUE(map.EncodeEntry(c.entry, c.value)) << c.entry;
        for (const auto& [address, value] : c.after) {
            EXPECT_EQ(byte(address), value) << c.entry << " byte " << address;
            EXPECT_TRUE(changed(address)) << c.entry << " byte " << address;
        }
        EXPECT_EQ(changedCount(), static_cast<int>(c.after.size())) << c.entry;
    }
    expectNoMessage();
}

TEST_F(LocatorWriting, FlagsEveryStoredByteEvenWhenItsValueIsUnchanged) {
    EXPECT_TRUE(map.EncodeEntry("52", 0));
    EXPECT_TRUE(changed(52));
    EXPECT_EQ(changedCount(), 1);
}

TEST_F(LocatorWriting, BytesStoredBeforeAFailingElementStayStored) {
    EXPECT_FALSE(map.EncodeEntry("1,256", 0x0302));
    expectOneError(kWritingError);
    EXPECT_EQ(byte(1), 0x02);
    EXPECT_TRUE(changed(1));
    EXPECT_EQ(changedCount(), 1);

    image.reset();
    EXPECT_FALSE(map.EncodeEntry("1,2[9],3", 0x0302));  // bit digit 9: no message, byte 2 untouched
    expectNoMessage();
    EXPECT_EQ(byte(1), 0x02);
    EXPECT_FALSE(changed(2));
    EXPECT_EQ(changedCount(), 1);

    image.reset();
    EXPECT_FALSE(map.EncodeEntry("1,9 [7]", 0x0302));
    expectNoMessage();
    EXPECT_EQ(changedCount(), 1);
}

TEST_F(LocatorWriting, AddressesOutsideTheFirstBankShowTheWritingMessageOnce) {
    for (const char* entry : {"256", "300", "-1", "300[0]", "1,256,300"}) {
        EXPECT_FALSE(map.EncodeEntry(entry, 5)) << entry;
        expectOneError(kWritingError);
    }
}

TEST_F(LocatorWriting, ReachesOnlyTheFirstBankOfALargerImage) {
    image.enlargeToBanks(2);
    EXPECT_FALSE(map.EncodeEntry("256", 1));
    expectOneError(kWritingError);
    EXPECT_EQ(image.bytes()[256], 0);
    EXPECT_EQ(map.DecodeEntry("300"), -1);
    expectOneError(kReadingError);
}

// ---- failures that need no locator ----

class MemoryMapFailures : public MemoryMapTest {};

TEST_F(MemoryMapFailures, NoImageFailsEveryOperationSilently) {
    image.release();
    EXPECT_EQ(map.DecodeEntry("52"), -1);
    EXPECT_FALSE(map.EncodeEntry("52", 1));
    EXPECT_EQ(map.ReadMapValue("Partition0.XTAL"), -1);
    EXPECT_FALSE(map.WriteMapValue("Partition0.XTAL", 1));
    EXPECT_FALSE(map.WriteMapValue("Partition0.IF", 1));
    EXPECT_EQ(map.ReadEntryText("87,88,89"), "");
    EXPECT_FALSE(map.WriteEntryText("87,88,89", "GPE"));
    EXPECT_FALSE(map.WriteEntryText("", "GPE"));
    Bytes empty;
    EXPECT_EQ(map.DecodeEntry("52", &empty), -1);
    EXPECT_FALSE(map.EncodeEntry("52", 1, &empty));
    expectNoMessage();
}

TEST_F(MemoryMapFailures, EmptyEntriesAndMissingKeys) {
    EXPECT_EQ(map.DecodeEntry(""), -1);
    EXPECT_FALSE(map.EncodeEntry("", 1));
    EXPECT_EQ(map.ReadEntryText(""), "");
    EXPECT_TRUE(map.WriteEntryText("", "ABC"));  // stores nothing and succeeds
    EXPECT_EQ(map.ReadMapValue("Partition0.Nothing"), -1);
    EXPECT_FALSE(map.WriteMapValue("Partition0.Nothing", 1));
    EXPECT_EQ(map.ReadMapValue(""), -1);
    EXPECT_EQ(changedCount(), 0);
    expectNoMessage();
}

TEST_F(MemoryMapFailures, AnUnknownSectionHasNoKeys) {
    const std::string none = "NO SUCH MAP";
    MemoryMap other(reader, none, image, prompter);
    EXPECT_EQ(other.ReadMapValue("Partition0.XTAL"), -1);
    EXPECT_FALSE(other.WriteMapValue("Partition0.XTAL", 12800));
    EXPECT_EQ(changedCount(), 0);
}

// ---- another image ----

class OtherImage : public MemoryMapTest {};

TEST_F(OtherImage, IsReadAndWrittenWhileTheFlagsStayThoseOfTheMainImage) {
    Bytes other(256, 0);
    other[61] = 0x00;
    other[60] = 0x32;
    EXPECT_EQ(map.ReadMapValue("Partition0.XTAL", &other), 12800);
    EXPECT_EQ(map.ReadMapValue("Partition0.XTAL"), 0);

    EXPECT_TRUE(map.WriteMapValue("Partition0.MinFreq", 470000, &other));
    EXPECT_EQ(other[57], 0xD6);
    EXPECT_EQ(other[56], 0x01);
    EXPECT_EQ(byte(57), 0);
    EXPECT_TRUE(changed(57));
    EXPECT_TRUE(changed(56));

    EXPECT_TRUE(map.WriteEntryText("87,88,89", "GPE", &other));
    EXPECT_EQ(map.ReadEntryText("87,88,89", &other), "GPE");
    EXPECT_EQ(map.ReadEntryText("87,88,89"), "");
    EXPECT_TRUE(changed(88));
}

TEST_F(OtherImage, WorksWithoutAMainImageAndKeyReferencesReadTheSameImage) {
    image.release();
    Bytes other(256, 0);
    EXPECT_TRUE(map.WriteMapValue("Partition0.IF", 700000, &other));
    EXPECT_EQ(other[90], 100);
    EXPECT_EQ(other[54] + 256 * other[53], 7000);
    EXPECT_EQ(map.ReadMapValue("Partition0.IF_2", &other), 700000);
}

TEST_F(OtherImage, ASmallerImageEndsTheMapAtItsSize) {
    Bytes small(128, 0);
    small[127] = 9;
    EXPECT_EQ(map.DecodeEntry("127", &small), 9);
    EXPECT_EQ(map.DecodeEntry("128", &small), -1);
    expectOneError(kReadingError);
    EXPECT_FALSE(map.EncodeEntry("128", 1, &small));
    expectOneError(kWritingError);
    EXPECT_EQ(small.size(), 128u);
}

}  // namespace
}  // namespace quorprog::testing
