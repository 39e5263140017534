#include "coordination/search_span.h"

#include <algorithm>

namespace quorprog::coordination {

namespace {

// The TV channel holding f, widened to its end on the side given; f ∓ the margin without one.
Hertz widened(Hertz f, bool low, std::span<const ExcludedRange> tvChannels) {
    for (const ExcludedRange& tv : tvChannels) {
        if (f >= tv.low && f <= tv.high) return low ? tv.low : tv.high;
    }
    return low ? f - kSearchSpanMargin : f + kSearchSpanMargin;
}

}  // namespace

ChannelGrid defaultSearchGrid(std::span<const Hertz> channels, const ChannelGrid& grid,
                              std::span<const ExcludedRange> tvChannels) {
    Hertz low = 0;
    Hertz high = 0;
    for (const Hertz f : channels) {
        if (f <= 0) continue;
        low = low == 0 ? f : std::min(low, f);
        high = std::max(high, f);
    }
    if (high == 0 || grid.step <= 0 || grid.pointCount() == 0) return grid;
    low = std::max(widened(low, true, tvChannels), grid.from);
    high = std::min(widened(high, false, tvChannels), grid.to);
    // Onto the grid: the first point at or above low; the grid's own points stay its points.
    const Hertz first =
        grid.from + (std::max<Hertz>(low - grid.from, 0) + grid.step - 1) / grid.step * grid.step;
    if (first > high) return grid;
    return {first, high, grid.step};
}

}  // namespace quorprog::coordination
