#pragma once

#include <cstddef>

#include "coordination/frequency_units.h"

namespace quorprog::coordination {

// The frequencies a device can tune: from, from + step, … up to `to` included. The three are
// counted in 1/divisor hertz, so that a step that is no whole number of hertz (a 12 800 kHz
// crystal divided by 1023) is exact; each point is rounded to the nearest hertz only when it is
// asked for. With divisor 1 they are plain hertz. Ask point(i) for a frequency, never `from`.
struct ChannelGrid {
    // Far beyond any band a device covers (320 MHz at 12.5 kHz is 25 601 points); a larger grid
    // is refused so that a mistyped step cannot exhaust memory.
    static constexpr size_t kMaxPoints = size_t{1} << 22;

    Hertz from = 0;
    Hertz to = 0;
    Hertz step = 0;
    Hertz divisor = 1;

    // 0 when the grid is empty, the step or divisor not positive or the grid larger than
    // kMaxPoints.
    size_t pointCount() const;
    // Point i (below pointCount()) to the nearest hertz; the points ascend.
    Hertz point(size_t i) const;
    // The first point at or above the frequency: pointCount() when there is none.
    size_t firstPointFrom(Hertz frequency) const;
    // The point nearest the frequency (the lower one of two as near); pointCount() when the
    // grid is empty.
    size_t nearestPoint(Hertz frequency) const;
};

}  // namespace quorprog::coordination
