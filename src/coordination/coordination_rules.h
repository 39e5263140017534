#pragma once

#include <optional>
#include <string>
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

// A band no channel may use (a TV transmitter's channel), both ends included. The label, when
// there is one, is what the band is called (a TV channel: "TV channel 21 (eu)").
struct ExcludedRange {
    Hertz low = 0;
    Hertz high = 0;
    std::string label;
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
    // The receiver's front-end filter, its whole width: a transmitter farther than window / 2
    // from a channel does not reach that channel's receiver, neither as a neighbour nor as a
    // source of a product. 0: no filter, every transmitter counts.
    Hertz window = 0;
    // Frequencies an RF scan found occupied, ascending; a channel closer than scanGuard to one
    // conflicts with it.
    std::vector<Hertz> occupied;
    Hertz scanGuard = 100 * kHertzPerKhz;

    // Whether a transmitter at `source` reaches the receiver of a channel at `victim`.
    bool reaches(Hertz source, Hertz victim) const {
        const Hertz distance = source > victim ? source - victim : victim - source;
        return window <= 0 || 2 * distance <= window;
    }
};

}  // namespace quorprog::coordination
