#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "coordination/grid_marks.h"

namespace quorprog::coordination {

using SearchClock = std::chrono::steady_clock;

// What both searches start from: the grid marked for the kept channels (and whatever else rules
// points out), the kept channels in it, and the number of channels wanted in all.
struct SearchStart {
    const CompatibleSetBuilder& kept;
    size_t count = 0;
    SearchClock::time_point deadline;
};

// The largest set that the kept channels and grid points allow, by an exact branch and bound
// over the free grid points in ascending order. Returns the largest set it met, or `best`
// (a compatible set, kept channels included) when none was larger. `proven` tells whether the
// search ended before the deadline: then the result is the maximum, or reaches the count.
std::vector<Hertz> largestSetByBranchAndBound(const SearchStart& start, std::vector<Hertz> best,
                                              bool& proven);

// Local search from `best`: take out a few neighbouring channels, put back as many free points
// as fit, in an order drawn from `seed`, and keep the change unless the set got smaller. Returns
// the largest set seen by the deadline.
std::vector<Hertz> largerSetByLocalSearch(const SearchStart& start, std::vector<Hertz> best,
                                          uint64_t seed);

}  // namespace quorprog::coordination
