#pragma once

#include <cstddef>
#include <vector>

#include "coordination/compatibility_check.h"
#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// The frequencies a device can tune: from, from + step, … up to `to` included.
struct ChannelGrid {
    // Far beyond any band a device covers (320 MHz at 12.5 kHz is 25 601 points); a larger grid
    // is refused so that a mistyped step cannot exhaust memory.
    static constexpr size_t kMaxPoints = size_t{1} << 22;

    Hertz from = 0;
    Hertz to = 0;
    Hertz step = 0;

    // 0 when the grid is empty, the step not positive or the grid larger than kMaxPoints.
    size_t pointCount() const;
};

struct CoordinationRequest {
    ChannelGrid grid;
    size_t count = 0;         // channels wanted, the kept ones included
    std::vector<Hertz> keep;  // channels that stay whatever happens; on the grid or not
    CoordinationRules rules;
};

struct CoordinationResult {
    // The kept frequencies and the ones found, ascending; never more than the request's count
    // (unless more were kept) and always compatible under the rules.
    std::vector<Hertz> frequencies;
    // Not empty when the kept frequencies conflict already: then nothing was searched and
    // frequencies is empty.
    std::vector<Conflict> keptConflicts;
};

// As many mutually compatible channels as the grid allows, up to the count. Several greedy passes
// over the grid in different fixed orders (ascending first, so the result is never smaller than
// first-fit's), the largest compatible result wins. Deterministic: the same request gives the
// same answer.
CoordinationResult coordinate(const CoordinationRequest& request);

// The baseline: grid points in ascending order, each taken when it is compatible with those
// taken before. Kept conflicts are not reported here.
std::vector<Hertz> coordinateFirstFit(const CoordinationRequest& request);

}  // namespace quorprog::coordination
