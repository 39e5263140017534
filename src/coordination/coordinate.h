#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

#include "coordination/channel_grid.h"
#include "coordination/compatibility_check.h"
#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// A search that finishes within about this much wall time unless a request says otherwise.
inline constexpr std::chrono::milliseconds kDefaultSearchBudget{800};

struct CoordinationRequest {
    ChannelGrid grid;
    size_t count = 0;         // channels wanted, the kept ones included
    std::vector<Hertz> keep;  // channels that stay whatever happens; on the grid or not
    CoordinationRules rules;
    // When not empty, only grid points inside one of these bands (both ends included) are
    // offered: the TV channels a search is restricted to.
    std::vector<ExcludedRange> onlyIn;
    // The wall time the search may take; the greedy passes that start it always run.
    std::chrono::steady_clock::duration budget = kDefaultSearchBudget;
};

struct CoordinationResult {
    // The kept frequencies and the ones found, ascending; never more than the request's count
    // (unless more were kept) and always compatible under the rules.
    std::vector<Hertz> frequencies;
    // Not empty when the kept frequencies conflict already: then nothing was searched and
    // frequencies is empty.
    std::vector<Conflict> keptConflicts;
};

// As many mutually compatible channels as the grid allows, up to the count, found within the
// request's budget: never fewer than first-fit's, and always a set the full check confirms.
CoordinationResult coordinate(const CoordinationRequest& request);

// The baseline: grid points in ascending order, each taken when it is compatible with those
// taken before. Kept conflicts are not reported here.
std::vector<Hertz> coordinateFirstFit(const CoordinationRequest& request);

}  // namespace quorprog::coordination
