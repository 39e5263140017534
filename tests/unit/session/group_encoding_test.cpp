#include "session/group_encoding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "channels/pll.h"
#include "session_rig.h"

namespace quorprog::testing {
namespace {

// The dual-group factory device as read, so that only the encoding sets changed flags.
struct LoadedDevice : SessionRig {
    LoadedDevice() : SessionRig({0}) {
        EXPECT_EQ(session.load(factoryDevice("dual group system")), Detection::Identified);
    }
    std::vector<size_t> changedAddresses() const {
        std::vector<size_t> changed;
        const Bytes& flags = session.image().changedFlags();
        for (size_t a = 0; a < flags.size(); ++a) {
            if (flags[a]) changed.push_back(a);
        }
        return changed;
    }
};

TEST(GroupEncoding, StoresCountersAndSubtoneCodesOfOneGroupOnly) {
    LoadedDevice device;
    ChannelTable& table = device.session.table();
    table.SubtoneIndex[1][3] = 2;                          // "94.8 Hz", code 10
    table.SubtoneIndex[1][4] = 23;                         // beyond the 23 choices: code 0
    table.Frequency[1][5] = table.Frequency[1][5] + 5.0f;  // off the 12.5 kHz raster

    EXPECT_EQ(encodeGroup(table, device.session.memoryMap(), 1), kEncodeSnapped);

    MemoryMap& map = device.session.memoryMap();
    EXPECT_EQ(map.ReadMapValue("Partition1.Sub3"), 10);
    EXPECT_EQ(map.ReadMapValue("Partition1.Sub4"), 0);
    const std::vector<size_t> changed = device.changedAddresses();
    ASSERT_FALSE(changed.empty());
    // Group 1 lives from byte 128 up; group 0 is not touched.
    EXPECT_GE(changed.front(), 128u);
    EXPECT_THAT(changed, ::testing::IsSupersetOf({229u, 244u, 128u, 175u}));
}

TEST(GroupEncoding, GroupOutsideTheTableStoresNothing) {
    LoadedDevice device;
    EXPECT_EQ(encodeGroup(device.session.table(), device.session.memoryMap(), 2), kEncodeFailed);
    EXPECT_THAT(device.changedAddresses(), ::testing::IsEmpty());
}

}  // namespace
}  // namespace quorprog::testing
