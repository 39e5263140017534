#include "coordination/coordinate.h"
#include "coordination/set_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

namespace quorprog::coordination {
namespace {

Hertz khz(double value) {
    return hertzFromKhz(value);
}

CoordinationRequest spacingOnly(size_t count) {
    CoordinationRequest request;
    request.grid = {khz(600000), khz(601000), khz(100)};
    request.count = count;
    request.rules.guards = {khz(350), 0, 0, 0};
    return request;
}

TEST(Coordinate, SpacingAloneFitsEveryFourthPointOfTheGrid) {
    const std::vector<Hertz> expected = {khz(600000), khz(600400), khz(600800)};
    EXPECT_EQ(coordinate(spacingOnly(10)).frequencies, expected);
    EXPECT_EQ(coordinateFirstFit(spacingOnly(10)), expected);
    EXPECT_EQ(coordinate(spacingOnly(2)).frequencies.size(), 2u);
}

TEST(Coordinate, KeptFrequenciesStayAndCountTowardsTheRequest) {
    CoordinationRequest request = spacingOnly(2);
    request.keep = {khz(600550)};  // off the grid: a channel as it was
    const CoordinationResult result = coordinate(request);
    ASSERT_EQ(result.frequencies.size(), 2u);
    EXPECT_NE(std::find(result.frequencies.begin(), result.frequencies.end(), khz(600550)),
              result.frequencies.end());
    EXPECT_TRUE(findConflicts(result.frequencies, request.rules).empty());
}

TEST(Coordinate, KeptFrequenciesThatConflictAreReportedAndNothingIsSearched) {
    CoordinationRequest request = spacingOnly(3);
    request.keep = {khz(600000), khz(600100)};
    const CoordinationResult result = coordinate(request);
    EXPECT_TRUE(result.frequencies.empty());
    EXPECT_EQ(result.keptConflicts, findConflicts(request.keep, request.rules));
    EXPECT_FALSE(result.keptConflicts.empty());
}

// A random request on a small grid: guards of a few steps (each kind sometimes off), on-site
// transmitters, excluded ranges, sometimes a receiver image inside the band, kept channels and a
// receiver's window narrower than the band.
CoordinationRequest randomRequest(std::mt19937& random) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const Hertz step = khz(std::vector<double>{12.5, 25, 50, 100}[pick(0, 3)]);
    const Hertz from = khz(470000) + pick(0, 400) * step;
    const int points = pick(20, 120);
    CoordinationRequest request;
    request.grid = {from, from + (points - 1) * step, step};
    if (pick(0, 3) == 0) {
        // 12800 kHz ÷ 1023 and multiples of it: a step of no whole number of hertz.
        const Hertz ticks = khz(12800) * pick(1, 4);
        request.grid = {from * 1023, from * 1023 + (points - 1) * ticks, ticks, 1023};
    }
    request.count = static_cast<size_t>(pick(1, 30));
    request.budget = std::chrono::milliseconds(5);
    const auto guard = [&](int most) { return pick(0, 3) == 0 ? 0 : pick(1, most) * step / 2; };
    request.rules.guards = {guard(12), guard(8), guard(6), guard(4)};
    const auto inBand = [&] { return from + pick(-10, points + 10) * step + pick(0, 3) * 1000; };
    for (int i = pick(0, 3); i > 0; --i) request.rules.onSite.push_back(inBand());
    for (int i = pick(0, 2); i > 0; --i) {
        const Hertz low = inBand();
        request.rules.excluded.push_back({low, low + pick(0, 8) * step});
    }
    if (pick(0, 2) == 0)
        request.rules.image = ReceiverImage{pick(1, points) * step / 2, pick(0, 1) == 1};
    for (int i = pick(0, 2); i > 0; --i) request.keep.push_back(inBand());
    if (pick(0, 2) == 0) request.rules.window = pick(1, points) * step + pick(0, 1);
    return request;
}

bool onGrid(const ChannelGrid& grid, Hertz frequency) {
    const size_t i = grid.firstPointFrom(frequency);
    return i < grid.pointCount() && grid.point(i) == frequency;
}

// The search's marks must match the check both ways: a first-fit set passes the check (no
// conflict missed) and, short of the count, no free grid point could still be added (none
// ruled out wrongly). The full search returns a compatible set at least as large.
TEST(Coordinate, EverySetFoundPassesTheCheckWithTheSameGuards) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 60; ++round) {
        const CoordinationRequest request = randomRequest(random);
        SCOPED_TRACE("round " + std::to_string(round));
        const CoordinationResult result = coordinate(request);
        if (!findConflicts(request.keep, request.rules).empty()) {
            EXPECT_TRUE(result.frequencies.empty());
            EXPECT_FALSE(result.keptConflicts.empty());
            continue;
        }
        EXPECT_TRUE(findConflicts(result.frequencies, request.rules).empty());
        const std::set<Hertz> found(result.frequencies.begin(), result.frequencies.end());
        EXPECT_EQ(found.size(), result.frequencies.size());
        for (const Hertz kept : request.keep) EXPECT_TRUE(found.contains(kept));
        for (const Hertz f : result.frequencies) {
            const bool kept =
                std::find(request.keep.begin(), request.keep.end(), f) != request.keep.end();
            EXPECT_TRUE(kept || onGrid(request.grid, f)) << khzText(f);
        }
        EXPECT_LE(result.frequencies.size(), std::max(request.count, request.keep.size()));

        const std::vector<Hertz> firstFit = coordinateFirstFit(request);
        ASSERT_TRUE(findConflicts(firstFit, request.rules).empty());
        EXPECT_GE(result.frequencies.size(), firstFit.size());
        if (firstFit.size() >= request.count) continue;
        for (size_t i = 0; i < request.grid.pointCount(); ++i) {
            const Hertz f = request.grid.point(i);
            if (std::find(firstFit.begin(), firstFit.end(), f) != firstFit.end()) continue;
            std::vector<Hertz> more = firstFit;
            more.push_back(f);
            EXPECT_FALSE(findConflicts(more, request.rules).empty()) << "free " << khzText(f);
        }
    }
}

// On the whole UHF band the set grown from a difference set holds at least a fifth more channels
// than first-fit, with the default guards and with those of the standard profile. The time is
// left unlimited here, so only the counted work decides; the benchmark times it.
TEST(Coordinate, OnTheWholeUhfBandTheSearchHoldsAFifthMoreThanFirstFit) {
    for (const Guards guards : {Guards{}, Guards{khz(400), khz(200), khz(150), 0}}) {
        CoordinationRequest request;
        request.grid = {khz(470000), khz(790000), khz(12.5)};
        request.count = 1000;
        request.rules.guards = guards;
        request.budget = std::chrono::hours(1);
        const CoordinationResult result = coordinate(request);
        EXPECT_TRUE(findConflicts(result.frequencies, request.rules).empty());
        EXPECT_GE(result.frequencies.size() * 5, coordinateFirstFit(request).size() * 6)
            << "guards " << khzText(guards.spacing);
    }
}

// The exact search against every compatible subset of a grid of at most 14 points: the largest compatible
// set, kept channels included and the count respected, must be what it proves.
TEST(Coordinate, ExactSearchOnATinyBandFindsTheLargestSetThereIs) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 40; ++round) {
        CoordinationRequest request = randomRequest(random);
        SCOPED_TRACE("round " + std::to_string(round));
        request.grid.to = std::min(request.grid.to, request.grid.from + 13 * request.grid.step);
        if (!findConflicts(request.keep, request.rules).empty()) continue;
        CompatibleSetBuilder kept(GridMarks(request.grid), request.rules);
        for (const Hertz f : request.keep) kept.add(f);

        // Every compatible set, grown one point at a time: a set that fails the check has no
        // compatible superset, so nothing is missed by going no further.
        size_t largest = request.keep.size();
        std::vector<Hertz> set = request.keep;
        const std::function<void(size_t)> grow = [&](size_t from) {
            largest = std::max(largest, set.size());
            for (size_t i = from; i < request.grid.pointCount(); ++i) {
                // A kept channel on the grid is in the set already: twice is no larger set.
                if (std::find(request.keep.begin(), request.keep.end(), request.grid.point(i)) !=
                    request.keep.end())
                    continue;
                set.push_back(request.grid.point(i));
                if (findConflicts(set, request.rules).empty()) grow(i + 1);
                set.pop_back();
            }
        };
        grow(0);
        const size_t expected = std::max(request.keep.size(), std::min(largest, request.count));

        bool proven = false;
        const std::vector<Hertz> found = largestSetByRussianDolls(
            {kept, request.count, SearchClock::time_point::max()}, {}, SIZE_MAX, proven);
        EXPECT_TRUE(proven);
        EXPECT_EQ(found.size(), expected);
        EXPECT_TRUE(findConflicts(found, request.rules).empty());
    }
}

}  // namespace
}  // namespace quorprog::coordination
