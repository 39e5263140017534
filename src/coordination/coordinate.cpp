#include "coordination/coordinate.h"

#include <algorithm>
#include <random>

#include "coordination/difference_set_search.h"
#include "coordination/grid_marks.h"
#include "coordination/set_search.h"

namespace quorprog::coordination {

namespace {

// How many of the free points nearest each end of the band a step weighs against each other.
constexpr size_t kEdgeCandidates = 2;
// In the shuffled passes each free point is passed over with this chance (in thousandths), so
// that every pass tries a slightly different set.
constexpr uint64_t kSkipPerMille = 150;
// The shuffled passes stop after this many, or once the guard ranges visited exceed the budget
// (a count, not a clock, so that a plan computed twice is the same plan): about a tenth of a
// second optimised for the whole UHF band.
constexpr int kMaxSkippingPasses = 48;
constexpr size_t kWorkBudget = 8'000'000;
constexpr uint64_t kSeed = 0x5175'6f72'7665'6cULL;
// Grids of at most this many points (a TV channel's width at 12.5 kHz and coarser) get the
// exact search, which stops after adding this many channels: about a tenth of a second here.
constexpr size_t kExhaustivePoints = 700;
constexpr size_t kExactSearchNodes = 50000;
// Steps of local search: counted rather than timed, so that a loaded machine finds the same set.
constexpr size_t kNarrowLocalSteps = 5000;
constexpr size_t kWideLocalSteps = 500;
// Placements of a scaled difference set tried: about a tenth of a second on the whole UHF band.
constexpr size_t kDifferenceSetTrials = 24;
// How far, in percent, the difference set's may lead the greedy sets before these are dropped.
constexpr size_t kGreedyLeadPercent = 10;

// The kept channels on an otherwise empty grid.
CompatibleSetBuilder startingSet(const CoordinationRequest& request) {
    const ChannelGrid& grid = request.grid;
    GridMarks marks(grid);
    if (!request.onlyIn.empty()) {
        for (size_t i = 0; i < marks.size(); ++i) {
            const Hertz f = marks.frequency(i);
            const bool inside = std::any_of(request.onlyIn.begin(), request.onlyIn.end(),
                                            [f](const auto& band) {
                                                return f >= band.low && f <= band.high;
                                            });
            if (!inside) marks.mark(i);
        }
    }
    CompatibleSetBuilder builder(std::move(marks), request.rules);
    for (const Hertz kept : request.keep) builder.add(kept);
    return builder;
}

std::vector<Hertz> ascending(std::vector<Hertz> frequencies) {
    std::sort(frequencies.begin(), frequencies.end());
    return frequencies;
}

// Free points in ascending order, each taken when it still fits.
std::vector<Hertz> firstFitPass(CompatibleSetBuilder builder, size_t count) {
    const GridMarks& grid = builder.grid();
    for (size_t i = 0; i < grid.size() && builder.channels().size() < count; ++i) {
        if (!grid.marked(i)) builder.add(grid.frequency(i));
    }
    return ascending(builder.channels());
}

// Each step weighs the lowest and the highest few free points and takes the one that rules out
// the fewest others. Products of channels packed at one edge fall mostly outside the band, and
// choosing the end that costs least keeps room for more. With `skipper`, free points are passed
// over at random, for a different set on every pass.
class EdgeGreedyPass {
  public:
    EdgeGreedyPass(CompatibleSetBuilder builder, std::mt19937_64* skipper)
        : builder_(std::move(builder)), skipper_(skipper), high_(builder_.grid().size()) {}

    std::vector<Hertz> run(size_t count) {
        while (builder_.channels().size() < count) {
            const std::vector<size_t> candidates = edgeCandidates();
            if (candidates.empty()) break;
            size_t best = candidates.front();
            size_t bestCost = SIZE_MAX;
            for (const size_t i : candidates) {
                const size_t cost = builder_.freePointsRuledOutBy(builder_.grid().frequency(i));
                if (cost < bestCost) bestCost = cost, best = i;
            }
            builder_.add(builder_.grid().frequency(best));
        }
        return ascending(builder_.channels());
    }

    size_t work() const { return builder_.work(); }

  private:
    std::vector<size_t> edgeCandidates() {
        const GridMarks& grid = builder_.grid();
        // Marks only grow, so the free ends only move inwards.
        while (low_ < high_ && grid.marked(low_)) ++low_;
        while (high_ > low_ && grid.marked(high_ - 1)) --high_;
        std::vector<size_t> candidates;
        for (size_t i = low_, taken = 0; i < high_ && taken < kEdgeCandidates; ++i) {
            if (!grid.marked(i) && !skipped()) candidates.push_back(i), ++taken;
        }
        for (size_t i = high_, taken = 0; i > low_ && taken < kEdgeCandidates; --i) {
            if (!grid.marked(i - 1) && !skipped()) candidates.push_back(i - 1), ++taken;
        }
        // Passing over every free point would end the pass early; the lowest stays a choice.
        if (candidates.empty() && low_ < high_) candidates.push_back(low_);
        return candidates;
    }

    bool skipped() { return skipper_ && (*skipper_)() % 1000 < kSkipPerMille; }

    CompatibleSetBuilder builder_;
    std::mt19937_64* skipper_;
    size_t low_ = 0;
    size_t high_;
};

size_t largestSize(const std::vector<std::vector<Hertz>>& sets) {
    size_t largest = 0;
    for (const std::vector<Hertz>& set : sets) largest = std::max(largest, set.size());
    return largest;
}

// Greedy sets far behind the difference set's are not worth more passes, nor local search.
bool farBehind(size_t greedy, size_t differenceSet) {
    return greedy * (100 + kGreedyLeadPercent) < differenceSet * 100;
}

// After first-fit: the plain edge-weighing pass, then shuffled ones until a set reaches the count
// (the difference set's included), the greedy sets fall far behind it, the work budget is spent
// or the deadline passes.
void appendGreedyPasses(const CompatibleSetBuilder& start, size_t count, size_t differenceSet,
                        SearchClock::time_point deadline,
                        std::vector<std::vector<Hertz>>& candidates) {
    if (largestSize(candidates) >= count) return;
    EdgeGreedyPass plain(start, nullptr);
    candidates.push_back(plain.run(count));
    std::mt19937_64 skipper(kSeed);
    size_t work = plain.work();
    for (int pass = 0; pass < kMaxSkippingPasses && work < kWorkBudget &&
                       SearchClock::now() < deadline && largestSize(candidates) < count &&
                       differenceSet < count && !farBehind(largestSize(candidates), differenceSet);
         ++pass) {
        EdgeGreedyPass skipping(start, &skipper);
        candidates.push_back(skipping.run(count));
        work += skipping.work() - start.work();
    }
}

}  // namespace

CoordinationResult coordinate(const CoordinationRequest& request) {
    CoordinationResult result;
    result.keptConflicts = findConflicts(request.keep, request.rules);
    if (!result.keptConflicts.empty()) return result;

    const SearchClock::time_point started = SearchClock::now();
    const CompatibleSetBuilder start = startingSet(request);
    std::vector<std::vector<Hertz>> candidates;
    candidates.push_back(firstFitPass(start, request.count));
    // On a wide band a scaled difference set usually holds far more than any greedy set; it
    // goes before the greedy passes that weigh the free points, which help most on narrow bands,
    // where it costs little.
    std::vector<Hertz> fromDifferenceSets;
    if (candidates.front().size() < request.count) {
        fromDifferenceSets = ascending(largestSetFromDifferenceSets(
            {start, request.count, started + request.budget / 2}, kSeed, kDifferenceSetTrials));
    }
    const auto greedyIsBehind = [&] {
        return farBehind(largestSize(candidates), fromDifferenceSets.size());
    };
    if (!greedyIsBehind()) {
        appendGreedyPasses(start, request.count, fromDifferenceSets.size(),
                           started + request.budget / 2, candidates);
    }
    const auto largestFirst = [](const auto& a, const auto& b) { return a.size() > b.size(); };
    std::stable_sort(candidates.begin(), candidates.end(), largestFirst);

    // Local search from the largest greedy set (unless it is far behind) and from the difference
    // set's, which often end in different places; on a narrow band, then the exact search, which
    // may prove the set the largest there is.
    const bool narrow = start.grid().size() <= kExhaustivePoints;
    const SearchClock::duration budget = std::max(request.budget, SearchClock::duration::zero());
    const SearchStart local{start, request.count, started + (narrow ? budget * 3 / 4 : budget)};
    const size_t steps = narrow ? kNarrowLocalSteps : kWideLocalSteps;
    std::vector<Hertz> improved;
    if (!greedyIsBehind())
        improved = largerSetByLocalSearch(local, candidates.front(), kSeed, steps);
    if (!fromDifferenceSets.empty()) {
        std::vector<Hertz> other = largerSetByLocalSearch(local, fromDifferenceSets, kSeed, steps);
        if (other.size() > improved.size()) improved = std::move(other);
        candidates.push_back(std::move(fromDifferenceSets));
        std::stable_sort(candidates.begin(), candidates.end(), largestFirst);
    }
    if (narrow) {
        bool proven = false;
        improved = largestSetByRussianDolls({start, request.count, started + budget},
                                            std::move(improved), kExactSearchNodes, proven);
    }
    candidates.insert(candidates.begin(), ascending(std::move(improved)));

    // The largest set that the full check confirms. The marks never rule out less than the check
    // does, so that is the first one tried; still, a set that failed the check must never leave
    // here.
    for (std::vector<Hertz>& candidate : candidates) {
        if (findConflicts(candidate, request.rules).empty()) {
            result.frequencies = std::move(candidate);
            return result;
        }
    }
    result.frequencies = ascending(request.keep);
    return result;
}

std::vector<Hertz> coordinateFirstFit(const CoordinationRequest& request) {
    return firstFitPass(startingSet(request), request.count);
}

}  // namespace quorprog::coordination
