#include "coordination/difference_set.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace quorprog::coordination {
namespace {

int64_t modulo(int64_t a, int64_t m) {
    return ((a % m) + m) % m;
}

// Every non-zero residue is the difference of exactly one ordered pair: what lets a set of
// channels built from it keep every product off the other channels.
TEST(DifferenceSet, SingerSetsHaveEveryDifferenceExactlyOnce) {
    for (const int64_t q : {2, 3, 5, 7, 11, 13, 31, 79, 127}) {
        SCOPED_TRACE("q = " + std::to_string(q));
        const std::vector<int64_t> set = singerDifferenceSet(q);
        const int64_t modulus = q * q + q + 1;
        ASSERT_EQ(set.size(), static_cast<size_t>(q + 1));
        std::multiset<int64_t> differences;
        for (const int64_t a : set) {
            EXPECT_GE(a, 0);
            EXPECT_LT(a, modulus);
            for (const int64_t b : set) {
                if (a != b) differences.insert(modulo(a - b, modulus));
            }
        }
        EXPECT_EQ(differences.size(), static_cast<size_t>(modulus - 1));
        EXPECT_EQ(std::set<int64_t>(differences.begin(), differences.end()).size(),
                  static_cast<size_t>(modulus - 1));
    }
    for (const int64_t notPrime : {-7, 0, 1, 4, 9, 15})
        EXPECT_TRUE(singerDifferenceSet(notPrime).empty());
}

TEST(DifferenceSet, OrdersThatFitTheBand) {
    struct Row {
        int64_t last;
        int64_t fitting;
    };
    for (const Row row : {Row{5, 0}, Row{6, 2}, Row{11, 2}, Row{12, 3}, Row{6400, 79}}) {
        EXPECT_EQ(largestSingerOrderWithin(row.last), row.fitting) << row.last;
    }
    EXPECT_EQ(smallestPrimeAbove(2), 3);
    EXPECT_EQ(smallestPrimeAbove(79), 83);
}

// The losses a placement claims, counted again member by member, and the placements in order.
TEST(DifferenceSet, PlacementsCountWhatTheyLose) {
    struct Row {
        int64_t q;
        NearMissLimits limits;
        int64_t lastPosition;
    };
    for (const Row row : {Row{31, {2, 1}, 900}, Row{31, {6, 0}, 992}, Row{13, {1, 2}, 182}}) {
        SCOPED_TRACE("q = " + std::to_string(row.q));
        const std::vector<int64_t> set = singerDifferenceSet(row.q);
        const int64_t modulus = row.q * row.q + row.q + 1;
        const std::vector<Placement> placements =
            placementsLosingFewest(set, modulus, row.limits, row.lastPosition, 6);
        ASSERT_EQ(placements.size(), 6u);
        for (size_t k = 0; k < placements.size(); ++k) {
            const Placement& placement = placements[k];
            if (k > 0) EXPECT_LE(placements[k - 1].lost, placement.lost);
            std::vector<int64_t> at;
            for (const int64_t a : set)
                at.push_back(modulo(placement.multiplier * a + placement.shift, modulus));
            EXPECT_EQ(std::set<int64_t>(at.begin(), at.end()).size(), set.size());
            size_t lost = 0;
            for (size_t a = 0; a < at.size(); ++a) {
                lost += at[a] > row.lastPosition;
                for (size_t b = a + 1; b < at.size(); ++b) {
                    lost += std::abs(at[a] - at[b]) <= row.limits.pairs;
                }
                for (size_t b = 0; b < at.size(); ++b) {
                    for (size_t c = b + 1; c < at.size(); ++c) {
                        if (b != a && c != a)
                            lost += std::abs(2 * at[a] - at[b] - at[c]) <= row.limits.products;
                    }
                }
            }
            EXPECT_EQ(placement.lost, lost) << "placement " << k;
        }
    }
}

}  // namespace
}  // namespace quorprog::coordination
