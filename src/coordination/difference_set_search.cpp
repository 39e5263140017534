#include "coordination/difference_set_search.h"

#include <algorithm>
#include <random>

#include "coordination/difference_set.h"

namespace quorprog::coordination {

namespace {

// Trials of every layout before the search keeps to the best one.
constexpr size_t kTrialsPerLayoutFirst = 4;
// The largest Singer set's order: 128 channels and more are beyond any group, and the work of
// placing a set grows with the cube of its size.
constexpr int64_t kLargestSetOrder = 127;
// Placements tried per layout, the best first.
constexpr size_t kPlacementsPerLayout = 8;

// A difference set laid onto the grid: position e of the set is grid point offset + e·unit.
struct Layout {
    size_t unit = 0;  // grid points per position
    int64_t modulus = 0;
    std::vector<int64_t> set;
    int64_t lastPosition = 0;  // the last position on the grid
    std::vector<Placement> placements;
    size_t offset = 0;  // the first position's grid point: the band's room to spare, halved
};

// The fewest grid points that span at least the guard.
size_t pointsSpanning(const GridMarks& grid, Hertz guard) {
    size_t k = 1;
    while (k < grid.size() && grid.frequency(k) - grid.frequency(0) < guard) ++k;
    return k;
}

// Positions at most this guard apart, in units: those whose distance is under the guard.
int64_t unitsWithin(const GridMarks& grid, size_t unit, Hertz guard) {
    const Hertz unitWidth = grid.frequency(unit) - grid.frequency(0);
    return guard <= 0 ? 0 : (guard - 1) / unitWidth;
}

std::vector<Layout> layoutsFor(const GridMarks& grid, const Guards& guards) {
    std::vector<Layout> layouts;
    if (grid.size() < 2) return layouts;
    std::vector<size_t> units;
    for (const Hertz guard : {guards.im3x3, guards.im3}) {
        const size_t unit = guard > 0 ? pointsSpanning(grid, guard) : grid.size();
        if (unit < grid.size() && std::find(units.begin(), units.end(), unit) == units.end())
            units.push_back(unit);
    }
    for (const size_t unit : units) {
        const int64_t lastPosition = static_cast<int64_t>((grid.size() - 1) / unit);
        const int64_t fitting = largestSingerOrderWithin(
            std::min(lastPosition, kLargestSetOrder * (kLargestSetOrder + 1)));
        if (fitting == 0) continue;
        const NearMissLimits limits{unitsWithin(grid, unit, guards.spacing),
                                    unitsWithin(grid, unit, guards.im3)};
        // The largest set that fits, and the next larger one, of which most fits.
        for (const int64_t q : {fitting, smallestPrimeAbove(fitting)}) {
            if (q > kLargestSetOrder) continue;
            Layout layout;
            layout.unit = unit;
            layout.set = singerDifferenceSet(q);
            layout.modulus = q * q + q + 1;
            layout.lastPosition = std::min(lastPosition, layout.modulus - 1);
            layout.offset = (grid.size() - 1 - static_cast<size_t>(layout.lastPosition) * unit) / 2;
            layout.placements = placementsLosingFewest(layout.set, layout.modulus, limits,
                                                       layout.lastPosition, kPlacementsPerLayout);
            if (!layout.placements.empty()) layouts.push_back(std::move(layout));
        }
    }
    // The layout expected to keep the most channels first, should time run short.
    const auto expectedKept = [](const Layout& l) {
        return static_cast<int64_t>(l.set.size()) - static_cast<int64_t>(l.placements.front().lost);
    };
    std::stable_sort(layouts.begin(), layouts.end(), [&](const Layout& a, const Layout& b) {
        return expectedKept(a) > expectedKept(b);
    });
    return layouts;
}

class DifferenceSetTrial {
  public:
    DifferenceSetTrial(const SearchStart& start, std::mt19937_64& random)
        : builder_(start.kept), count_(start.count), random_(random) {}

    std::vector<Hertz> run(const Layout& layout, const Placement& placement) {
        const GridMarks& grid = builder_.grid();
        for (const int64_t element : layout.set) {
            const int64_t position =
                (placement.multiplier * element + placement.shift) % layout.modulus;
            if (position > layout.lastPosition) continue;
            const size_t i = layout.offset + static_cast<size_t>(position) * layout.unit;
            // A point the kept channels, exclusions or scans rule out is not offered at all.
            if (!grid.marked(i)) placed_.push_back(grid.frequency(i));
        }
        for (const Hertz f : placed_) builder_.add(f);
        repair();
        while (builder_.channels().size() > count_ && !placed_.empty()) remove(placed_.back());
        for (size_t i = 0; i < grid.size() && builder_.channels().size() < count_; ++i) {
            if (!grid.marked(i)) builder_.add(grid.frequency(i));
        }
        return builder_.channels();
    }

  private:
    // Takes out the placed channel in the most conflicts, ties drawn at random, until none
    // conflicts.
    void repair() {
        for (;;) {
            Hertz worst = 0;
            size_t most = 0;
            size_t ties = 0;
            for (const Hertz f : placed_) {
                const size_t conflicts = builder_.conflictsOf(f);
                if (conflicts == 0 || conflicts < most) continue;
                if (conflicts > most) most = conflicts, ties = 0;
                if (random_() % ++ties == 0) worst = f;
            }
            if (most == 0) return;
            remove(worst);
        }
    }

    void remove(Hertz f) {
        builder_.remove(f);
        placed_.erase(std::find(placed_.begin(), placed_.end(), f));
    }

    CompatibleSetBuilder builder_;
    size_t count_;
    std::mt19937_64& random_;
    std::vector<Hertz> placed_;
};

}  // namespace

std::vector<Hertz> largestSetFromDifferenceSets(const SearchStart& start, uint64_t seed,
                                                size_t trialLimit) {
    const std::vector<Layout> layouts = layoutsFor(start.kept.grid(), start.kept.rules().guards);
    std::vector<Hertz> best;
    std::vector<size_t> bestOfLayout(layouts.size(), 0);
    std::vector<size_t> triedOfLayout(layouts.size(), 0);
    std::mt19937_64 random(seed);
    for (size_t trial = 0; trial < trialLimit && SearchClock::now() < start.deadline; ++trial) {
        // Each layout a few times, then only the one that gave the largest set.
        const size_t layout =
            trial < kTrialsPerLayoutFirst * layouts.size()
                ? trial % layouts.size()
                : static_cast<size_t>(std::max_element(bestOfLayout.begin(), bestOfLayout.end()) -
                                      bestOfLayout.begin());
        if (layout >= layouts.size()) break;
        // Its placements in turn, best first; one tried again takes its ties another way.
        const std::vector<Placement>& placements = layouts[layout].placements;
        const Placement& placement = placements[triedOfLayout[layout]++ % placements.size()];
        std::vector<Hertz> found =
            DifferenceSetTrial(start, random).run(layouts[layout], placement);
        bestOfLayout[layout] = std::max(bestOfLayout[layout], found.size());
        if (found.size() > best.size()) best = std::move(found);
    }
    return best;
}

}  // namespace quorprog::coordination
