#pragma once

#include <optional>
#include <vector>

#include "coordination/frequency_units.h"

namespace quorprog::coordination {

// How close a channel may come to another transmitter and to each kind of intermodulation
// product; 0 turns a kind off.
struct Guards {
    Hertz spacing = 350 * kHertzPerKhz;  // to another transmitter, and a receiver's image
    Hertz im3 = 100 * kHertzPerKhz;      // 2a - b
    Hertz im3x3 = 50 * kHertzPerKhz;     // a + b - x, three transmitters
    Hertz im5 = 0;                       // 3a - 2b
};

// A band no channel may use (a TV transmitter's channel), both ends included.
struct ExcludedRange {
    Hertz low = 0;
    Hertz high = 0;
};

// The receiver side of a group: its local oscillator sits IF away from the channel, so a
// transmitter on the image frequency, 2 x IF from the channel, is received too.
struct ReceiverImage {
    Hertz intermediateFrequency = 0;
    bool oscillatorAboveRf = false;

    Hertz imageOf(Hertz channel) const {
        return oscillatorAboveRf ? channel + 2 * intermediateFrequency
                                 : channel - 2 * intermediateFrequency;
    }
};

// Everything a group's channels are checked against besides each other.
struct CoordinationRules {
    Guards guards;
    std::vector<Hertz> onSite;  // other transmitters on site: sources, never checked themselves
    std::vector<ExcludedRange> excluded;
    std::optional<ReceiverImage> image;  // receiver groups with an IF above 0 only
};

}  // namespace quorprog::coordination
