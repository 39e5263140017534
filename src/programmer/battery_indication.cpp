#include "programmer/battery_indication.h"

#include <algorithm>

namespace quorprog {

BatteryIndication indicateBattery(int level) {
    if (level == -1) return {};
    return {std::clamp(level, 0, BatteryIndication::kGaugeMaximum), level < 2};
}

}  // namespace quorprog
