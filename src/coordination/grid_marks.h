#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "coordination/channel_grid.h"
#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// The points of a channel grid, each counting the reasons that rule it out as a further channel:
// a point is marked while its count is above 0. Counting lets a reason be taken back.
class GridMarks {
  public:
    explicit GridMarks(const ChannelGrid& grid) : grid_(grid), counts_(grid.pointCount(), 0) {}

    size_t size() const { return counts_.size(); }
    Hertz frequency(size_t i) const { return grid_.point(i); }
    bool marked(size_t i) const { return counts_[i] != 0; }
    // The grid point at exactly this frequency, or size() when there is none.
    size_t indexOf(Hertz frequency) const;

    // One reason more (delta 1) or less (delta −1) for every point f with
    // |multiple·f − centre| < guard; nothing when guard is 0.
    void markNear(Hertz multiple, Hertz centre, Hertz guard, int delta = 1);
    // How many of those points are not marked yet.
    size_t countUnmarkedNear(Hertz multiple, Hertz centre, Hertz guard) const;
    // Marks every point from low to high, both included.
    void markRange(Hertz low, Hertz high);
    void mark(size_t i, int delta = 1) { counts_[i] += static_cast<uint32_t>(delta); }

  private:
    // The points markNear means, as [first, end) indices within the grid.
    std::pair<size_t, size_t> near(Hertz multiple, Hertz centre, Hertz guard) const;

    ChannelGrid grid_;
    std::vector<uint32_t> counts_;
};

// The search's picture of a set of channels: a grid point is marked exactly when adding it as a
// further channel would make the set incompatible under the rules. Each added channel marks what
// its new products and guards rule out, and a removed one takes back the same, so a search step
// costs the products of one channel instead of a full check per candidate. The receiver's window
// is left out here: it only ever takes conflicts away, so the marks may rule out more than the
// check would, never less.
class CompatibleSetBuilder {
  public:
    CompatibleSetBuilder(GridMarks grid, const CoordinationRules& rules);

    const GridMarks& grid() const { return grid_; }
    const std::vector<Hertz>& channels() const { return channels_; }
    const CoordinationRules& rules() const { return rules_; }
    // Adds a channel (on the grid or not); the caller knows it is compatible with the set.
    void add(Hertz channel);
    // Takes back a channel added before; nothing when it is not in the set.
    void remove(Hertz channel);
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
    void markRuledOut(Hertz g, int delta);
    // Grid points whose own check would fail against the on-site transmitters alone.
    void markOnSiteProducts();

    GridMarks grid_;
    const CoordinationRules& rules_;
    std::vector<Hertz> channels_;
    std::vector<Hertz> sources_;  // the channels so far, then the on-site transmitters
    mutable size_t work_ = 0;
};

}  // namespace quorprog::coordination
