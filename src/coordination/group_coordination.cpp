#include "coordination/group_coordination.h"

#include <algorithm>
#include <cstdint>

#include "coordination/grid_marks.h"

namespace quorprog::coordination {

ChannelGrid groupGrid(Hertz minFrequency, Hertz maxFrequency, Hertz step, Hertz divisor) {
    if (step <= 0 || divisor <= 0 || maxFrequency < minFrequency) return {};
    // In 1/divisor hertz; a device's numbers cannot reach these limits, a hostile file can.
    constexpr __int128 kLimit = INT64_MAX / 4;
    const __int128 low = static_cast<__int128>(std::max<Hertz>(minFrequency, 1)) * divisor;
    const __int128 high = static_cast<__int128>(maxFrequency) * divisor;
    const __int128 firstMultiple = (low + step - 1) / step * step;
    if (high > kLimit || firstMultiple > kLimit) return {};
    return {static_cast<Hertz>(firstMultiple), static_cast<Hertz>(high), step, divisor};
}

namespace {

// A 32-bit float holds 24 bits: kHz are stored to about one part in 2^24 of the frequency, and
// a point of a fractional step reaches the plan through two such roundings.
constexpr int kStoredPrecisionBits = 22;

bool onGridPoint(const GridMarks& marks, const ChannelGrid& grid, Hertz frequency, size_t point) {
    if (point >= marks.size()) return false;
    const Hertz distance = frequency > grid.point(point) ? frequency - grid.point(point)
                                                          : grid.point(point) - frequency;
    return grid.divisor == 1 ? distance == 0 : distance <= (frequency >> kStoredPrecisionBits) + 1;
}

}  // namespace

GroupCoordination makeGroupCompatible(std::span<const Hertz> channels, const ChannelGrid& grid,
                                      const CoordinationRules& rules,
                                      const std::vector<ExcludedRange>& onlyIn) {
    GroupCoordination result;
    result.frequencies.assign(channels.begin(), channels.end());

    // A grid point is marked exactly when it no longer fits with the channels kept so far.
    CompatibleSetBuilder staying(GridMarks(grid), rules);
    CoordinationRequest request;
    request.grid = grid;
    request.rules = rules;
    request.onlyIn = onlyIn;
    for (size_t c = 0; c < channels.size(); ++c) {
        if (channels[c] <= 0) continue;
        ++request.count;
        const size_t point = grid.nearestPoint(channels[c]);
        if (onGridPoint(staying.grid(), grid, channels[c], point) && !staying.grid().marked(point)) {
            staying.add(channels[c]);
        } else {
            result.replaced.push_back(c);
        }
    }
    request.keep = staying.channels();
    result.requested = request.count;

    std::vector<Hertz> fresh;
    for (const Hertz f : coordinate(request).frequencies) {
        if (std::find(request.keep.begin(), request.keep.end(), f) == request.keep.end())
            fresh.push_back(f);
    }
    result.found = request.keep.size() + std::min(fresh.size(), result.replaced.size());
    for (size_t i = 0; i < result.replaced.size() && i < fresh.size(); ++i)
        result.frequencies[result.replaced[i]] = fresh[i];
    return result;
}

}  // namespace quorprog::coordination
