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

ChannelGrid gridWithin(const ChannelGrid& grid, Hertz low, Hertz high) {
    const size_t count = grid.pointCount();
    const size_t first = grid.firstPointFrom(low);
    const size_t end = grid.firstPointFrom(high + 1);  // the points ascend by whole hertz or more
    if (count == 0 || first >= end || first >= count) return {};
    // In the grid's own ticks, so that the points stay exactly the grid's.
    const Hertz from = grid.from + static_cast<Hertz>(first) * grid.step;
    return {from, from + static_cast<Hertz>(end - 1 - first) * grid.step, grid.step, grid.divisor};
}

ChannelGrid defaultSearchGrid(std::span<const Hertz> channels, const ChannelGrid& grid,
                              std::span<const ExcludedRange> tvChannels) {
    Hertz low = 0;
    Hertz high = 0;
    for (const Hertz f : channels) {
        if (f <= 0) continue;
        low = low == 0 ? f : std::min(low, f);
        high = std::max(high, f);
    }
    if (high == 0) return grid;
    const ChannelGrid around =
        gridWithin(grid, widened(low, true, tvChannels), widened(high, false, tvChannels));
    return around.pointCount() == 0 ? grid : around;
}

}  // namespace quorprog::coordination
