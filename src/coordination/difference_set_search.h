#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "coordination/set_search.h"

namespace quorprog::coordination {

// Sets built from Singer difference sets scaled onto the grid, one grid unit per guard of the
// three-transmitter and two-transmitter products: such a set has no two channel pairs the same
// distance apart, so hardly any product lands on a channel, and on a wide band it holds far more
// channels than a greedy pass. Each trial places one multiple of the set at a shift drawn from
// `seed`, drops what the start rules out, takes out the channels in the most conflicts until
// none is left, and fills up in ascending order. Returns the largest set of `trialLimit`
// trials, kept channels included (empty when the grid is too small for any), stopping early at
// the deadline.
std::vector<Hertz> largestSetFromDifferenceSets(const SearchStart& start, uint64_t seed,
                                                size_t trialLimit);

}  // namespace quorprog::coordination
