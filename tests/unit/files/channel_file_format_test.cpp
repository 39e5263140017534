#include <gtest/gtest.h>

#include <cstring>

#include "files/channel_file.h"

namespace quorprog {
namespace {

ChannelFile twoGroupsOfSixteen() {
    ChannelFile file;
    file.savedAt = 0x01020304;
    file.modelIdentifier = "DEFAULTMAP2PART";
    for (int p = 0; p < 2; ++p) {
        ChannelFileGroup group;
        group.isReceiver = static_cast<uint8_t>(p);
        group.minFreq = 470000 + 1000 * p;
        group.maxFreq = 790000;
        for (int c = 0; c < 16; ++c) {
            group.frequencies.push_back(470000.0f + 12.5f * c + p);
            group.subtoneCodes.push_back(static_cast<uint8_t>(c + 9 * p));
        }
        file.groups.push_back(group);
    }
    return file;
}

// Builds the expected bytes independently of the writer: fixed offsets, explicit byte order.
class ByteBuilder {
  public:
    ByteBuilder& text(const char* s, size_t size) {
        for (size_t i = 0; i < size; ++i) bytes_.push_back(i < std::strlen(s) ? s[i] : 0);
        return *this;
    }
    ByteBuilder& u8(uint8_t v) {
        bytes_.push_back(v);
        return *this;
    }
    ByteBuilder& u32(uint32_t v) {
        u8(v & 0xFF).u8((v >> 8) & 0xFF).u8((v >> 16) & 0xFF).u8(v >> 24);
        return *this;
    }
    ByteBuilder& f32(float f) {
        uint32_t v;
        std::memcpy(&v, &f, 4);
        return u32(v);
    }
    std::vector<uint8_t> bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

TEST(ChannelFileFormat, TwoGroupsOfSixteenChannelsTake231Bytes) {
    EXPECT_EQ(serializeChannelFile(twoGroupsOfSixteen()).size(), 231u);
}

TEST(ChannelFileFormat, LaysOutEveryFieldLittleEndianInOrder) {
    ChannelFile file;
    file.savedAt = -2;
    file.modelIdentifier = "MAP";
    file.groups = {{1, 0x00070000, 0x000C0DE0, {470000.0f, 0.0f}, {9, 0}},
                   {0, 100, 200, {123.5f}, {0xFE}}};

    std::vector<uint8_t> expected = ByteBuilder()
                                        .text("QVM00", 5)
                                        .u32(0xFFFFFFFE)
                                        .text("MAP", 32)
                                        .u32(2)
                                        .u8(1)
                                        .u8(0)
                                        .u32(2)
                                        .u32(1)
                                        .u32(0x00070000)
                                        .u32(100)
                                        .u32(0x000C0DE0)
                                        .u32(200)
                                        .f32(470000.0f)
                                        .f32(0.0f)
                                        .u8(9)
                                        .u8(0)
                                        .f32(123.5f)
                                        .u8(0xFE)
                                        .bytes();
    std::vector<uint8_t> written = serializeChannelFile(file);
    ASSERT_EQ(written.size(), 45u + 13 * 2 + 5 * 3);
    EXPECT_EQ(written, expected);
    // A spot check of the float encoding that does not rely on the host: 470000 = 0x48E57E00.
    EXPECT_EQ(std::vector<uint8_t>(written.begin() + 71, written.begin() + 75),
              (std::vector<uint8_t>{0x00, 0x7E, 0xE5, 0x48}));

    ChannelFileParse parsed = parseChannelFile(expected);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.file, file);
}

TEST(ChannelFileFormat, RoundTripsEveryValue) {
    ChannelFile file = twoGroupsOfSixteen();
    ChannelFileParse parsed = parseChannelFile(serializeChannelFile(file));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.file, file);
}

struct IdentifierCase {
    size_t length;
    size_t keptLength;
};

void PrintTo(const IdentifierCase& c, std::ostream* os) {
    *os << c.length << " characters";
}

class ChannelFileIdentifier : public ::testing::TestWithParam<IdentifierCase> {};

TEST_P(ChannelFileIdentifier, IsZeroPaddedOrCutToThirtyTwoCharacters) {
    ChannelFile file;
    for (size_t i = 0; i < GetParam().length; ++i) file.modelIdentifier += char('A' + i % 26);
    std::vector<uint8_t> bytes = serializeChannelFile(file);
    ASSERT_EQ(bytes.size(), 45u);
    for (size_t i = GetParam().keptLength; i < 32; ++i) EXPECT_EQ(bytes[9 + i], 0) << i;

    ChannelFileParse parsed = parseChannelFile(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.file.modelIdentifier, file.modelIdentifier.substr(0, GetParam().keptLength));
}

INSTANTIATE_TEST_SUITE_P(Lengths, ChannelFileIdentifier,
                         ::testing::Values(IdentifierCase{0, 0}, IdentifierCase{31, 31},
                                           IdentifierCase{32, 32}, IdentifierCase{33, 32},
                                           IdentifierCase{60, 32}));

TEST(ChannelFileFormat, IdentifierEndsAtTheFirstZeroByte) {
    std::vector<uint8_t> bytes = serializeChannelFile(ChannelFile{});
    std::memcpy(&bytes[9], "AB\0CD", 5);
    ChannelFileParse parsed = parseChannelFile(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.file.modelIdentifier, "AB");
}

TEST(ChannelFileFormat, ShortSubtoneListIsPaddedWithCodeZero) {
    ChannelFile file;
    file.groups = {{0, 0, 0, {1.0f, 2.0f, 3.0f}, {7}}};
    ChannelFileParse parsed = parseChannelFile(serializeChannelFile(file));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.file.groups[0].subtoneCodes, (std::vector<uint8_t>{7, 0, 0}));
}

TEST(ChannelFileFormat, ZeroGroupsIsAValidFile) {
    ChannelFile file;
    file.modelIdentifier = "X";
    ChannelFileParse parsed = parseChannelFile(serializeChannelFile(file));
    ASSERT_TRUE(parsed.ok());
    EXPECT_TRUE(parsed.file.groups.empty());
}

TEST(ChannelFileFormat, BytesAfterTheLastBlockAreIgnored) {
    std::vector<uint8_t> bytes = serializeChannelFile(twoGroupsOfSixteen());
    bytes.push_back(0xAA);
    ChannelFileParse parsed = parseChannelFile(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.file, twoGroupsOfSixteen());
}

TEST(ChannelFileFormat, WrongMagicIsNotAChannelFile) {
    for (const char* start : {"", "QVM0", "QVM01", "qvm00", "XVM00"}) {
        std::vector<uint8_t> bytes = serializeChannelFile(twoGroupsOfSixteen());
        bytes.erase(bytes.begin(), bytes.begin() + 5);
        bytes.insert(bytes.begin(), start, start + std::strlen(start));
        EXPECT_EQ(parseChannelFile(bytes).error, ChannelFileError::NotAChannelFile) << start;
    }
}

TEST(ChannelFileFormat, EveryTruncationIsRefused) {
    std::vector<uint8_t> bytes = serializeChannelFile(twoGroupsOfSixteen());
    for (size_t size = 0; size < bytes.size(); ++size) {
        ChannelFileParse parsed = parseChannelFile(std::span(bytes).first(size));
        EXPECT_FALSE(parsed.ok()) << size;
        EXPECT_EQ(parsed.error,
                  size < 5 ? ChannelFileError::NotAChannelFile : ChannelFileError::Truncated)
            << size;
    }
}

struct AbsurdCountCase {
    const char* what;
    size_t offset;  // of a 32-bit count
    uint32_t value;
    ChannelFileError error = ChannelFileError::Truncated;
};

void PrintTo(const AbsurdCountCase& c, std::ostream* os) {
    *os << c.what;
}

class ChannelFileAbsurdCount : public ::testing::TestWithParam<AbsurdCountCase> {};

TEST_P(ChannelFileAbsurdCount, IsRefused) {
    std::vector<uint8_t> bytes = serializeChannelFile(twoGroupsOfSixteen());
    for (int i = 0; i < 4; ++i) bytes[GetParam().offset + i] = (GetParam().value >> (8 * i)) & 0xFF;
    EXPECT_EQ(parseChannelFile(bytes).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ChannelFileAbsurdCount,
    ::testing::Values(AbsurdCountCase{"group count one too many", 41, 3},
                      // More groups than any device has: not a channel file, whatever the bytes.
                      AbsurdCountCase{"group count beyond any device", 41, 257,
                                      ChannelFileError::NotAChannelFile},
                      AbsurdCountCase{"group count at its maximum", 41, 0xFFFFFFFF,
                                      ChannelFileError::NotAChannelFile},
                      AbsurdCountCase{"group count whose header alone overflows 32 bits", 41,
                                      0x14000000, ChannelFileError::NotAChannelFile},
                      AbsurdCountCase{"first channel count one too many", 47, 17},
                      AbsurdCountCase{"last channel count one too many", 51, 17},
                      AbsurdCountCase{"channel count at its maximum", 47, 0xFFFFFFFF},
                      AbsurdCountCase{"channel count whose block overflows 32 bits", 51,
                                      0x33333334}));

}  // namespace
}  // namespace quorprog
