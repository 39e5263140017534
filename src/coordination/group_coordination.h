#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "coordination/coordinate.h"

namespace quorprog::coordination {

// The grid of a device group: the multiples of its channel step (what the synthesiser can tune)
// from its lowest frequency to its highest, 0 Hz excluded. The step is counted in 1/divisor
// hertz: a crystal of X kHz, reference divider R and multiplier M step by X·M·1000 / R hertz,
// exactly step X·M·1000 with divisor R. Empty when the numbers make no grid.
ChannelGrid groupGrid(Hertz minFrequency, Hertz maxFrequency, Hertz step, Hertz divisor = 1);

// A group made compatible. The channels that can stay keep their frequencies: those on the grid,
// taken in channel order while they fit with the ones kept before them. On a grid whose step is
// no whole number of hertz a channel is on the grid when it lies within the precision a plan
// stores (a 32-bit float of kHz) of a point. New frequencies come only from inside `onlyIn`
// when it is not empty. Every other channel that
// has a frequency gets one the search found; empty channels stay empty.
struct GroupCoordination {
    std::vector<Hertz> frequencies;  // per channel; meaningful only when complete()
    std::vector<size_t> replaced;    // channels whose frequency changes, ascending
    size_t requested = 0;            // channels with a frequency
    size_t found = 0;                // compatible frequencies found for them, kept ones included

    bool complete() const { return found == requested; }
};

GroupCoordination makeGroupCompatible(std::span<const Hertz> channels, const ChannelGrid& grid,
                                      const CoordinationRules& rules,
                                      const std::vector<ExcludedRange>& onlyIn = {});

}  // namespace quorprog::coordination
