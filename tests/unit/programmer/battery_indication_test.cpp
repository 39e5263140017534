#include "programmer/battery_indication.h"

#include <gtest/gtest.h>

namespace quorprog {
namespace {

TEST(BatteryIndication, GaugeAndWarning) {
    struct Case {
        int level;
        int gauge;
        bool warn;
    };
    const Case cases[] = {{-1, 0, false}, {0, 0, true},   {1, 1, true},  {2, 2, false},
                          {7, 7, false},  {12, 7, false}, {15, 7, false}};
    for (const Case& c : cases) {
        const BatteryIndication shown = indicateBattery(c.level);
        EXPECT_EQ(shown.gaugeLevel, c.gauge) << c.level;
        EXPECT_EQ(shown.warn, c.warn) << c.level;
    }
}

}  // namespace
}  // namespace quorprog
