#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// The points of a channel grid, from + i·step for i = 0 .. count − 1, each marked once something
// rules it out as a further channel.
class GridMarks {
  public:
    GridMarks(Hertz from, Hertz step, size_t count) : from_(from), step_(step), marked_(count, 0) {}

    size_t size() const { return marked_.size(); }
    Hertz frequency(size_t i) const { return from_ + static_cast<Hertz>(i) * step_; }
    bool marked(size_t i) const { return marked_[i] != 0; }
    // The grid point at exactly this frequency, or size() when there is none.
    size_t indexOf(Hertz frequency) const;

    // Marks every point f with |multiple·f − centre| < guard; nothing when guard is 0.
    void markNear(Hertz multiple, Hertz centre, Hertz guard);
    // How many of those points are not marked yet.
    size_t countUnmarkedNear(Hertz multiple, Hertz centre, Hertz guard) const;
    // Marks every point from low to high, both included.
    void markRange(Hertz low, Hertz high);
    void mark(size_t i) { marked_[i] = 1; }

  private:
    // The points markNear means, as [first, end) indices within the grid.
    std::pair<size_t, size_t> near(Hertz multiple, Hertz centre, Hertz guard) const;

    Hertz from_;
    Hertz step_;
    std::vector<uint8_t> marked_;
};

// The search's picture of a growing set of channels: a grid point is marked exactly when adding
// it as a further channel would make the set incompatible under the rules. Each added channel
// marks what its new products and guards rule out, so a pass costs the products of the set once
// instead of a full check per candidate.
class CompatibleSetBuilder {
  public:
    CompatibleSetBuilder(GridMarks grid, const CoordinationRules& rules);

    const GridMarks& grid() const { return grid_; }
    const std::vector<Hertz>& channels() const { return channels_; }
    // Adds a channel (on the grid or not); the caller knows it is compatible with the set.
    void add(Hertz channel);
    // Roughly how many free grid points adding the channel would rule out (a point ruled out
    // twice counts twice): the search prefers channels that leave the most room.
    size_t freePointsRuledOutBy(Hertz channel) const;
    // Guard ranges visited so far, adding and estimating: the search's measure of work done.
    size_t work() const { return work_; }

  private:
    // Calls visit(multiple, centre, guard) for every range of grid points that adding g rules
    // out besides g itself.
    template <typename Visit>
    void visitRuledOut(Hertz g, Visit&& visit) const;
    // Grid points whose own check would fail against the on-site transmitters alone.
    void markOnSiteProducts();

    GridMarks grid_;
    const CoordinationRules& rules_;
    std::vector<Hertz> channels_;
    std::vector<Hertz> sources_;  // the channels so far, then the on-site transmitters
    mutable size_t work_ = 0;
};

}  // namespace quorprog::coordination
