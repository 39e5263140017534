#include "coordination/set_search.h"

#include <algorithm>
#include <random>

namespace quorprog::coordination {

namespace {

// Branch and bound reads the clock once per this many nodes: reading it costs more than a node
// of a small grid. A step of local search costs far more, and reads it every time.
constexpr unsigned kNodesPerClockRead = 64;
// Local search takes out one to this many neighbouring channels at a step.
constexpr uint64_t kMostTakenOut = 4;

class Deadline {
  public:
    Deadline(SearchClock::time_point at, unsigned stepsPerRead) : at_(at), stride_(stepsPerRead) {}
    bool passed() {
        if (passed_) return true;
        if (++steps_ % stride_ == 0) passed_ = SearchClock::now() >= at_;
        return passed_;
    }

  private:
    SearchClock::time_point at_;
    unsigned stride_;
    unsigned steps_ = 0;
    bool passed_ = false;
};

// The kept channels and the ones of `set` besides them, added to a copy of the start.
CompatibleSetBuilder builderWith(const CompatibleSetBuilder& kept, const std::vector<Hertz>& set) {
    CompatibleSetBuilder builder = kept;
    for (const Hertz f : set) {
        if (std::find(kept.channels().begin(), kept.channels().end(), f) == kept.channels().end())
            builder.add(f);
    }
    return builder;
}

// Depth first over the free grid points in ascending order, each node bounded by the most of the
// points left that the spacing guard alone lets stand together. The best set known bounds the
// tree from the start; sets that reach further ends come early, where products fall outside.
class BranchAndBound {
  public:
    BranchAndBound(const SearchStart& start, std::vector<Hertz> best)
        : builder_(start.kept),
          count_(start.count),
          deadline_(start.deadline, kNodesPerClockRead),
          best_(std::move(best)),
          spacing_(start.kept.rules().guards.spacing) {}

    bool run() {
        descend(0);
        return !deadline_.passed();
    }

    std::vector<Hertz> best() && { return std::move(best_); }

  private:
    void descend(size_t from) {
        const size_t size = builder_.channels().size();
        if (size > best_.size()) best_ = builder_.channels();
        if (best_.size() >= count_ || deadline_.passed()) return;

        const GridMarks& grid = builder_.grid();
        std::vector<size_t> free;
        for (size_t i = from; i < grid.size(); ++i) {
            if (!grid.marked(i)) free.push_back(i);
        }
        // room[k]: how many of free[k..] the spacing guard lets stand together. The leftmost
        // point of such a run can always be free[k] itself, so room[k] = 1 + room[next].
        std::vector<size_t> room(free.size() + 1, 0);
        for (size_t k = free.size(), next = free.size(); k-- > 0;) {
            while (next > k + 1 &&
                   grid.frequency(free[next - 1]) - grid.frequency(free[k]) >= spacing_)
                --next;
            room[k] = 1 + room[next];
        }
        for (size_t k = 0; k < free.size(); ++k) {
            if (size + room[k] <= best_.size() || best_.size() >= count_) return;
            const Hertz f = grid.frequency(free[k]);
            builder_.add(f);
            descend(free[k] + 1);
            builder_.remove(f);
            if (deadline_.passed()) return;
        }
    }

    CompatibleSetBuilder builder_;
    size_t count_;
    Deadline deadline_;
    std::vector<Hertz> best_;
    Hertz spacing_;
};

}  // namespace

std::vector<Hertz> largestSetByBranchAndBound(const SearchStart& start, std::vector<Hertz> best,
                                              bool& proven) {
    BranchAndBound search(start, std::move(best));
    proven = search.run();
    return std::move(search).best();
}

std::vector<Hertz> largerSetByLocalSearch(const SearchStart& start, std::vector<Hertz> best,
                                          uint64_t seed) {
    CompatibleSetBuilder builder = builderWith(start.kept, best);
    const size_t keptCount = start.kept.channels().size();
    const GridMarks& grid = builder.grid();
    std::mt19937_64 random(seed);
    Deadline deadline(start.deadline, 1);
    std::vector<size_t> free;
    while (best.size() < start.count && builder.channels().size() > keptCount &&
           !deadline.passed()) {
        // A few neighbours in frequency, around a channel drawn at random.
        std::vector<Hertz> movable(builder.channels().begin() + static_cast<ptrdiff_t>(keptCount),
                                   builder.channels().end());
        std::sort(movable.begin(), movable.end());
        const size_t taken = std::min<size_t>(1 + random() % kMostTakenOut, movable.size());
        const size_t first = random() % (movable.size() - taken + 1);
        const std::vector<Hertz> removed(movable.begin() + static_cast<ptrdiff_t>(first),
                                         movable.begin() + static_cast<ptrdiff_t>(first + taken));
        const size_t before = builder.channels().size();
        for (const Hertz f : removed) builder.remove(f);

        free.clear();
        for (size_t i = 0; i < grid.size(); ++i) {
            if (!grid.marked(i)) free.push_back(i);
        }
        // Ascending (first-fit's order, which packs) or shuffled, in turn at random.
        if (random() % 2 == 0) std::shuffle(free.begin(), free.end(), random);
        std::vector<Hertz> added;
        for (const size_t i : free) {
            if (builder.channels().size() >= start.count) break;
            if (grid.marked(i)) continue;
            added.push_back(grid.frequency(i));
            builder.add(added.back());
        }
        if (builder.channels().size() < before) {
            for (const Hertz f : added) builder.remove(f);
            for (const Hertz f : removed) builder.add(f);
        } else if (builder.channels().size() > best.size()) {
            best = builder.channels();
        }
    }
    return best;
}

}  // namespace quorprog::coordination
