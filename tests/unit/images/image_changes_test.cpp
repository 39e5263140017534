#include "images/image_changes.h"

#include <gtest/gtest.h>

#include <functional>

#include "channels/partition_keys.h"
#include "description/default_description.h"
#include "images/change_listing.h"
#include "images/decoded_image.h"
#include "model/factory_image.h"
#include "text/local_texts.h"

namespace quorprog {
namespace {

constexpr char kModel[] = "dual group system";

struct ChangeCase {
    const char* name;
    // Changes the image through the model's memory map, or its bytes directly (map.image()).
    std::function<void(MemoryMap&)> edit;
    const char* listing;  // in English
};

void PrintTo(const ChangeCase& c, std::ostream* out) {
    *out << c.name;
}

class ImageChangesTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ImageChangesTest, ListsEachDifferenceOnceDecodedOrAsItsByte) {
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    const Bytes before = buildFactoryImage(description, kModel);
    DecodedImage edited(description, kModel, before);
    ASSERT_TRUE(edited.decoded());
    GetParam().edit(edited.map());

    const auto changes = listImageChanges(description, kModel, before, edited.bytes());
    EXPECT_EQ(describeImageChanges(changes, LocalTexts()), GetParam().listing);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ImageChangesTest,
    ::testing::Values(
        ChangeCase{"Nothing", [](MemoryMap&) {}, "Nothing to change.\n"},
        // 470100 kHz on the receiver's 12.5 kHz step: N 574, A 16.
        ChangeCase{"Frequency",
                   [](MemoryMap& map) {
                       map.WriteMapValue(partitionKey(0, "N", 3), 574);
                       map.WriteMapValue(partitionKey(0, "A", 3), 16);
                   },
                   "Group 0\n  channel 03: frequency 471.850 \u2192 470.100 MHz\n"},
        ChangeCase{"SubtoneOfTheSecondGroup",
                   [](MemoryMap& map) { map.WriteMapValue(partitionKey(1, "Sub", 10), 13); },
                   "Group 1\n  channel 0A: subtone 127.3 Hz \u2192 103.5 Hz\n"},
        ChangeCase{"Range",
                   [](MemoryMap& map) { map.WriteMapValue(partitionKey(0, "MinFreq"), 480000); },
                   "Group 0\n  Range: 470.000-790.000 \u2192 480.000-790.000 MHz\n"},
        ChangeCase{"Option", [](MemoryMap& map) { map.EncodeEntry("127[3]", 0); },
                   "Group 0\n  double click: enabled \u2192 disabled\n"},
        ChangeCase{"Date",
                   [](MemoryMap& map) {
                       map.WriteEntryText(map.entryOf(partitionKey(1, "Date")), "08/12/26");
                   },
                   "Group 1\n  programming date: - \u2192 08/12/26\n"},
        ChangeCase{"ByteNoValueUses", [](MemoryMap& map) { map.image().bytes()[100] ^= 0x21; },
                   "other bytes\n  100: 0 \u2192 33\n"},
        // Byte 11 holds two bits of channel 3's N; its other bits belong to no value.
        ChangeCase{"FrequencyAndAnUnnamedBitOfItsByte",
                   [](MemoryMap& map) {
                       map.WriteMapValue(partitionKey(0, "N", 3), 574);
                       map.WriteMapValue(partitionKey(0, "A", 3), 16);
                       map.image().bytes()[11] |= 0x80;
                   },
                   "Group 0\n  channel 03: frequency 471.850 \u2192 470.100 MHz\nother bytes\n"
                   "  11: 1 \u2192 129\n"}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

TEST(ImageChanges, ImagesThatDoNotDecodeListEveryDifferingByte) {
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    const Bytes before = buildFactoryImage(description, kModel);
    Bytes after = before;
    after[60] = 0;  // the reference oscillator's high byte: no XTAL, the set-up fails
    after[104] = 9;
    const auto changes = listImageChanges(description, kModel, before, after);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].address, 60u);
    EXPECT_EQ(changes[1].address, 104u);
    EXPECT_EQ(changes[1].field, ChangeField::Byte);
}

ImageChange changeOf(ChangeField field, double oldNumber, double newNumber) {
    ImageChange change;
    change.field = field;
    change.oldNumber = oldNumber;
    change.newNumber = newNumber;
    return change;
}

TEST(ChangeListing, HeadingsFollowTheLanguageAndNumbersKeepTheirPoint) {
    LocalTexts italian;
    italian.setCurrentLanguage(1);
    ImageChange frequency = changeOf(ChangeField::Frequency, 470.0125, 0);
    frequency.group = 1;
    frequency.channel = 15;
    ImageChange byte = changeOf(ChangeField::Byte, 255, 1);
    byte.address = 300;
    EXPECT_EQ(describeImageChanges({frequency, byte}, italian),
              "Gruppo 1\n  canale 0F: frequenza 470.0125 \u2192 - MHz\naltri byte\n"
              "  300: 255 \u2192 1\n");
    EXPECT_EQ(describeImageChanges({}, italian), "Nessuna modifica.\n");
}

// Every significant digit of a frequency, up to a 6.25 kHz step's five decimals, with the
// separator the caller gives (the window: the desktop's; byte values have none).
TEST(ChangeListing, FrequenciesShowEverySignificantDigitWithTheSeparatorGiven) {
    struct Case {
        double oldMHz;
        double newMHz;
        const char* separator;
        const char* line;
    };
    const Case cases[] = {
        {240.35, 240.35625, ".", "frequency 240.350 \u2192 240.35625 MHz"},
        {470.0125, 471.9, ".", "frequency 470.0125 \u2192 471.900 MHz"},
        {0.00625, 999.99375, ".", "frequency 0.00625 \u2192 999.99375 MHz"},
        {240.35625, 470.0125, ",", "frequency 240,35625 \u2192 470,0125 MHz"},
        {471.9, 0, ",", "frequency 471,900 \u2192 - MHz"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describeImageChanges({changeOf(ChangeField::Frequency, c.oldMHz, c.newMHz)},
                                       LocalTexts(), c.separator),
                  std::string("Group 0\n  channel 00: ") + c.line + "\n");
    }
    ImageChange range = changeOf(ChangeField::Range, 470.00625, 480);
    range.oldUpper = 790;
    range.newUpper = 790;
    EXPECT_EQ(describeImageChanges({range}, LocalTexts(), ","),
              "Group 0\n  Range: 470,00625-790,000 \u2192 480,000-790,000 MHz\n");
    ImageChange byte = changeOf(ChangeField::Byte, 1234, 5);
    byte.address = 1000;
    EXPECT_EQ(describeImageChanges({byte}, LocalTexts(), ","),
              "other bytes\n  1000: 1234 \u2192 5\n");
}

}  // namespace
}  // namespace quorprog
