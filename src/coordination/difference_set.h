#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorprog::coordination {

// A Singer difference set: q + 1 residues modulo q² + q + 1 (q a prime) whose differences are
// all distinct, so that no two pairs of its members are the same distance apart. Scaled onto a
// band it is a set of channels with no three-transmitter product on any of them, and as large as
// such a set can be. Ascending; empty when q is not a prime of at least 2.
std::vector<int64_t> singerDifferenceSet(int64_t q);

// The largest prime q whose Singer set fits positions 0 … last (q² + q ≤ last); 0 when none does.
int64_t largestSingerOrderWithin(int64_t last);
// The smallest prime above n: the order of the next larger Singer set, of which a part fits.
int64_t smallestPrimeAbove(int64_t n);

// How close members of a placed set may come before a guard rules one of them out, in positions:
// two members at most `pairs` apart, or a triple a, b, c with |2a − b − c| at most `products`
// (a two-transmitter product that near a third member).
struct NearMissLimits {
    int64_t pairs = 0;
    int64_t products = 0;
};

// The set laid out on positions 0 … modulus − 1 as x → (multiplier·x + shift) mod modulus, which
// keeps its differences distinct, and how many members it loses: those beyond the last position
// the band has, and one per near miss.
struct Placement {
    int64_t multiplier = 1;
    int64_t shift = 0;
    size_t lost = 0;
};

// Up to `count` placements of a difference set onto positions 0 … lastPosition, fewest members
// lost first: among the multipliers that leave the fewest triples near a product, each with its
// best shift.
std::vector<Placement> placementsLosingFewest(const std::vector<int64_t>& set, int64_t modulus,
                                              NearMissLimits limits, int64_t lastPosition,
                                              size_t count);

}  // namespace quorprog::coordination
