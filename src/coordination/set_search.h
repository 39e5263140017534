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

// The largest set that the kept channels and grid points allow, by an exact Russian-doll search
// over the free grid points, from the top of the band down. Returns the largest set it met, or
// `best` (a compatible set, kept channels included) when none was larger. It stops after adding
// `nodeLimit` channels (a count, so that the same request gives the same answer on a loaded
// machine) or at the deadline; `proven` tells whether it ended before both: then the result is
// the maximum, or reaches the count.
std::vector<Hertz> largestSetByRussianDolls(const SearchStart& start, std::vector<Hertz> best,
                                            size_t nodeLimit, bool& proven);

// Local search from `best`: take out a few neighbouring channels, put back as many free points
// as fit, in an order drawn from `seed`, and keep the change unless the set got smaller. Returns
// the largest set seen after `stepLimit` steps, or at the deadline when that comes first.
std::vector<Hertz> largerSetByLocalSearch(const SearchStart& start, std::vector<Hertz> best,
                                          uint64_t seed, size_t stepLimit);

}  // namespace quorprog::coordination
