#include "coordination/channel_grid.h"

#include <algorithm>
#include <cmath>

namespace quorprog::coordination {

size_t ChannelGrid::pointCount() const {
    if (step <= 0 || divisor <= 0 || to < from) return 0;
    const Hertz points = (to - from) / step + 1;
    return points > static_cast<Hertz>(kMaxPoints) ? 0 : static_cast<size_t>(points);
}

Hertz ChannelGrid::point(size_t i) const {
    const __int128 ticks = static_cast<__int128>(from) + static_cast<__int128>(i) * step;
    return static_cast<Hertz>((ticks + divisor / 2) / divisor);
}

size_t ChannelGrid::firstPointFrom(Hertz frequency) const {
    const size_t count = pointCount();
    if (count == 0) return 0;
    // An estimate in floating point, then the exact answer by whole points on either side: the
    // points ascend, so the first one at or above the frequency is where the walk stops.
    const long double estimate =
        (static_cast<long double>(frequency) * divisor - static_cast<long double>(from)) / step;
    size_t i = estimate <= 0 ? 0
               : estimate >= static_cast<long double>(count)
                   ? count
                   : static_cast<size_t>(estimate);
    while (i > 0 && point(i - 1) >= frequency) --i;
    while (i < count && point(i) < frequency) ++i;
    return i;
}

size_t ChannelGrid::nearestPoint(Hertz frequency) const {
    const size_t count = pointCount();
    if (count == 0) return 0;
    const size_t above = firstPointFrom(frequency);
    if (above == 0) return 0;
    if (above == count) return count - 1;
    return frequency - point(above - 1) <= point(above) - frequency ? above - 1 : above;
}

}  // namespace quorprog::coordination
