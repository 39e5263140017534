#pragma once

namespace quorprog {

// How a programmer's battery answer is shown: the gauge runs 0..7 (levels from 7 up fill it),
// and a level below 2 is warned about with text 90 under caption 61. An answer that could not be
// read (-1) shows an empty gauge without a warning.
struct BatteryIndication {
    static constexpr int kGaugeMaximum = 7;
    static constexpr int kWarningTextId = 90;
    static constexpr int kWarningCaptionId = 61;

    int gaugeLevel = 0;
    bool warn = false;
};

BatteryIndication indicateBattery(int level);

}  // namespace quorprog
