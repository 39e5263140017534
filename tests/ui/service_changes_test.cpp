#include "service/service_changes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channels/pll.h"
#include "service/service_items.h"
#include "service_fixture.h"

namespace quorprog {
namespace {

using test_support::DualGroupDevice;

// Stands in for the main window: its frequency commit encodes the group it shows, as the grid
// does, and every call is recorded with the range in force at that moment.
class ServiceChangesTest : public ::testing::Test {
  protected:
    GroupViewHooks displayOf(uint32_t shownGroup) {
        return {[this, shownGroup] {
                    events.push_back("commit " + std::to_string(device.table.MinFreq[shownGroup]) +
                                     "-" + std::to_string(device.table.MaxFreq[shownGroup]));
                    EncodeChannelFrequencies(device.table, device.map,
                                             static_cast<int32_t>(shownGroup), -1);
                },
                [this] { events.push_back("info"); }};
    }

    int32_t read(const std::string& key) { return device.map.ReadMapValue(key); }

    DualGroupDevice device;
    std::vector<std::string> events;
};

TEST_F(ServiceChangesTest, DividerReencodesEveryChannelUnderTheRangeBeforeTheNewOne) {
    device.table.Frequency[0][1] = 480012.5f;  // on the 12.5 kHz grid, off the 5 kHz one
    device.table.Frequency[0][2] = 650000.0f;  // inside the old range only
    ServiceChanges changes;
    changes.dividerChoice = 1;  // 2560: a 5 kHz step
    changes.minFreqText = "470000";
    changes.maxFreqText = "600000";

    applyServiceChanges(device.table, device.map, 0, changes, displayOf(0));

    EXPECT_EQ(events, (std::vector<std::string>{"commit 470000-790000", "info", "info"}));
    for (uint32_t c = 0; c < DualGroupDevice::kChannels; ++c) {
        EXPECT_EQ(device.table.R[0][c], 2560) << "channel " << c;
    }
    EXPECT_EQ(read("Partition0.R0"), 2560);
    EXPECT_FLOAT_EQ(device.table.Frequency[0][1], 480010.0f);
    EXPECT_FLOAT_EQ(device.table.Frequency[0][2], 650000.0f);
    // 650000 / 5 = 130000 = 2031 * 64 + 16
    EXPECT_EQ(read("Partition0.N2"), 2031);
    EXPECT_EQ(read("Partition0.A2"), 16);
    EXPECT_EQ(device.table.MinFreq[0], 470000u);
    EXPECT_EQ(device.table.MaxFreq[0], 600000u);
    EXPECT_EQ(read("Partition0.MaxFreq"), 600000);
}

struct RangeCase {
    const char* minText;
    const char* maxText;
};

class IgnoredRangeTest : public ServiceChangesTest,
                         public ::testing::WithParamInterface<RangeCase> {};

TEST_P(IgnoredRangeTest, LeavesTableImageAndFlagsAlone) {
    const Bytes bytesBefore = device.image.bytes();
    ServiceChanges changes;
    changes.minFreqText = GetParam().minText;
    changes.maxFreqText = GetParam().maxText;

    applyServiceChanges(device.table, device.map, 0, changes, displayOf(0));

    EXPECT_EQ(device.table.MinFreq[0], 470000u);
    EXPECT_EQ(device.table.MaxFreq[0], 790000u);
    EXPECT_EQ(device.image.bytes(), bytesBefore);
    EXPECT_EQ(device.image.changedFlags(), Bytes(device.image.size(), 0));
    EXPECT_TRUE(events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    OneFieldOrNoInteger, IgnoredRangeTest,
    ::testing::Values(RangeCase{"", "600000"}, RangeCase{"500000", ""}, RangeCase{"abc", "600000"},
                      RangeCase{"500000", "600 MHz"}, RangeCase{"500000.5", "600000"},
                      RangeCase{"500000", "99999999999"},
                      // A negative limit would wrap into a huge unsigned one in the table.
                      RangeCase{"-1", "600000"}));

TEST_F(ServiceChangesTest, RangeIsStoredAsTypedWithoutReencodingTheChannels) {
    device.table.Frequency[0][3] = 795000.0f;  // outside the new range, and stays so
    ServiceChanges changes;
    changes.minFreqText = "600000";  // above the maximum: taken as it is
    changes.maxFreqText = "$7A120";  // 500000 in hexadecimal

    applyServiceChanges(device.table, device.map, 0, changes, displayOf(0));

    EXPECT_EQ(events, std::vector<std::string>{"info"});
    EXPECT_EQ(device.table.MinFreq[0], 600000u);
    EXPECT_EQ(device.table.MaxFreq[0], 500000u);
    EXPECT_EQ(read("Partition0.MinFreq"), 600000);
    EXPECT_EQ(read("Partition0.MaxFreq"), 500000);
    EXPECT_FLOAT_EQ(device.table.Frequency[0][3], 795000.0f);
    EXPECT_FALSE(device.image.isChanged(0)) << "counters of channel 0 rewritten";
}

TEST_F(ServiceChangesTest, ChosenOptionStoresItsCodeAndOthersStayUntouched) {
    device.image.bytes()[127] = 0xFF;
    ServiceChanges changes;
    changes.optionChoices = {1, ServiceChanges::kNoChange};  // double click: "disabled" (0)

    applyServiceChanges(device.table, device.map, 0, changes, displayOf(0));

    const TOptionObject& doubleClick = *device.table.Options[0];
    EXPECT_EQ(doubleClick.Index, 1);
    EXPECT_EQ(doubleClick.Next->Index, 0);
    EXPECT_EQ(device.image.bytes()[127], 0xF7);
    EXPECT_TRUE(device.image.isChanged(127));
    EXPECT_TRUE(events.empty());
}

TEST_F(ServiceChangesTest, NothingChosenChangesNothing) {
    const Bytes bytesBefore = device.image.bytes();
    applyServiceChanges(device.table, device.map, 0, ServiceChanges{}, displayOf(0));

    EXPECT_EQ(device.image.bytes(), bytesBefore);
    EXPECT_EQ(device.image.changedFlags(), Bytes(device.image.size(), 0));
    EXPECT_EQ(device.table.R[0], std::vector<int32_t>(DualGroupDevice::kChannels, 1024));
    EXPECT_EQ(device.table.Options[0]->Index, 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(ServiceChangesTest, OnlyTheGivenGroupChanges) {
    const std::vector<float> group0Before = device.table.Frequency[0];
    ServiceChanges changes;
    changes.dividerChoice = 4;  // 512: a 25 kHz step
    changes.minFreqText = "500000";
    changes.maxFreqText = "700000";

    applyServiceChanges(device.table, device.map, 1, changes, displayOf(1));

    EXPECT_EQ(device.table.R[1][15], 512);
    EXPECT_EQ(device.table.MinFreq[1], 500000u);
    EXPECT_EQ(device.table.R[0], std::vector<int32_t>(DualGroupDevice::kChannels, 1024));
    EXPECT_EQ(device.table.Frequency[0], group0Before);
    EXPECT_EQ(device.table.MinFreq[0], 470000u);
    for (size_t address = 0; address < 128; ++address) {
        EXPECT_FALSE(device.image.isChanged(address)) << "group 0 byte " << address;
    }
    EXPECT_TRUE(device.image.isChanged(128 + 48));
}

TEST_F(ServiceChangesTest, DividerOutsideTheListKeepsDividersButReencodes) {
    ServiceChanges changes;
    changes.dividerChoice = 5;  // the list holds five dividers

    applyServiceChanges(device.table, device.map, 0, changes, displayOf(0));

    EXPECT_EQ(device.table.R[0], std::vector<int32_t>(DualGroupDevice::kChannels, 1024));
    EXPECT_FALSE(device.image.isChanged(48));
    EXPECT_EQ(events, (std::vector<std::string>{"commit 470000-790000", "info"}));
}

TEST_F(ServiceChangesTest, GroupTheTableDoesNotHoldChangesNothing) {
    ServiceChanges changes;
    changes.dividerChoice = 0;
    applyServiceChanges(device.table, device.map, 2, changes, displayOf(0));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(device.image.changedFlags(), Bytes(device.image.size(), 0));
}

TEST(ServiceItemsTest, DividerItemsShowStepAndDivider) {
    DualGroupDevice device;
    EXPECT_EQ(dividerItems(device.table, 1),
              (std::vector<std::string>{"no change", "12.500 / 1024", "5.000 / 2560",
                                        "6.250 / 2048", "10.000 / 1280", "25.000 / 512"}));
    EXPECT_EQ(dividerItems(device.table, 2), std::vector<std::string>{"no change"});
}

TEST(ServiceItemsTest, OptionLabelNamesTheCurrentChoice) {
    DualGroupDevice device;
    TOptionObject& ddc = *device.table.Options[0]->Next;
    EXPECT_EQ(optionLabel(ddc), "DDC option (no)");
    ddc.Index = 1;
    EXPECT_EQ(optionLabel(ddc), "DDC option (yes)");
    ddc.Index = 2;
    EXPECT_EQ(optionLabel(ddc), "DDC option ()");
    EXPECT_EQ(optionItems(ddc), (std::vector<std::string>{"no change", "no", "yes"}));
}

}  // namespace
}  // namespace quorprog
