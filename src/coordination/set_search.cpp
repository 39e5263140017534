#include "coordination/set_search.h"

#include <algorithm>
#include <random>

namespace quorprog::coordination {

namespace {

// The exact search reads the clock once per this many nodes: reading it costs more than a node
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

// Russian-doll search over the points the start leaves free, p0 < p1 < … : the most channels
// each suffix p[k..] admits besides the kept ones, most[k], solved from the top of the band down.
// most[k] is most[k + 1] or one more, and one more only with p[k] in the set; so each step looks
// only for that one set, and every point p[j] it might take next is bounded by most[j], already
// proven. A subset of a compatible set is compatible, which is what makes the bound hold.
class RussianDolls {
  public:
    RussianDolls(const SearchStart& start, size_t nodeLimit)
        : builder_(start.kept),
          wanted_(start.count > start.kept.channels().size()
                      ? start.count - start.kept.channels().size()
                      : 0),
          nodesLeft_(nodeLimit),
          deadline_(start.deadline, kNodesPerClockRead) {
        const GridMarks& grid = builder_.grid();
        for (size_t i = 0; i < grid.size(); ++i) {
            if (!grid.marked(i)) free_.push_back(i);
        }
        most_.assign(free_.size() + 1, 0);
    }

    // True when every suffix was solved: then best() is the maximum, or reaches the count.
    bool run() {
        for (size_t k = free_.size(); k-- > 0;) {
            most_[k] = most_[k + 1];
            if (most_[k] >= wanted_) continue;
            builder_.add(frequency(k));
            const bool found = extend(k + 1, most_[k] + 1) || stopped_;
            builder_.remove(frequency(k));
            if (stopped_) return false;
            if (found) {
                ++most_[k];
                best_ = solution_;
            }
        }
        return true;
    }

    // The kept channels and the largest set of suffix found, kept ones first.
    std::vector<Hertz> best() && {
        std::vector<Hertz> set = builder_.channels();
        set.insert(set.end(), best_.begin(), best_.end());
        return set;
    }

  private:
    // Whether channels from free_[from..] grow the set to `target` added channels; the set
    // found is left in solution_.
    bool extend(size_t from, size_t target) {
        const size_t added = builder_.channels().size() - kept_;
        if (added >= target) {
            solution_.assign(builder_.channels().begin() + static_cast<ptrdiff_t>(kept_),
                             builder_.channels().end());
            return true;
        }
        const GridMarks& grid = builder_.grid();
        for (size_t j = from; j < free_.size(); ++j) {
            if (added + most_[j] < target) return false;
            if (grid.marked(free_[j])) continue;
            if (nodesLeft_ == 0 || deadline_.passed()) {
                stopped_ = true;
                return false;
            }
            --nodesLeft_;
            builder_.add(frequency(j));
            const bool found = extend(j + 1, target);
            builder_.remove(frequency(j));
            if (found || stopped_) return found;
        }
        return false;
    }

    Hertz frequency(size_t k) const { return builder_.grid().frequency(free_[k]); }

    CompatibleSetBuilder builder_;
    size_t kept_ = builder_.channels().size();
    size_t wanted_;
    size_t nodesLeft_;
    Deadline deadline_;
    std::vector<size_t> free_;  // grid indices
    std::vector<size_t> most_;
    std::vector<Hertz> solution_;
    std::vector<Hertz> best_;
    bool stopped_ = false;
};

}  // namespace

std::vector<Hertz> largestSetByRussianDolls(const SearchStart& start, std::vector<Hertz> best,
                                            size_t nodeLimit, bool& proven) {
    RussianDolls search(start, nodeLimit);
    proven = search.run();
    std::vector<Hertz> found = std::move(search).best();
    return found.size() > best.size() ? found : best;
}

std::vector<Hertz> largerSetByLocalSearch(const SearchStart& start, std::vector<Hertz> best,
                                          uint64_t seed, size_t stepLimit) {
    CompatibleSetBuilder builder = builderWith(start.kept, best);
    const size_t keptCount = start.kept.channels().size();
    const GridMarks& grid = builder.grid();
    std::mt19937_64 random(seed);
    Deadline deadline(start.deadline, 1);
    std::vector<size_t> free;
    for (size_t step = 0; step < stepLimit && best.size() < start.count &&
                          builder.channels().size() > keptCount && !deadline.passed();
         ++step) {
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
