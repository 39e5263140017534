#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "coordination/channel_grid.h"
#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// The frequencies a mark may fall on, both ends included: the receiver's window around a
// channel, or everywhere.
struct Reach {
    Hertz low = std::numeric_limits<Hertz>::min();
    Hertz high = std::numeric_limits<Hertz>::max();
};

// The points of a channel grid, each counting the reasons that rule it out as a further channel:
// a point is marked while its count is above 0. Counting lets a reason be taken back.
class GridMarks {
  public:
    explicit GridMarks(const ChannelGrid& grid);

    size_t size() const { return counts_.size(); }
    Hertz frequency(size_t i) const { return (*points_)[i]; }
    bool marked(size_t i) const { return counts_[i] != 0; }
    size_t reasons(size_t i) const { return counts_[i]; }
    // The grid point at exactly this frequency, or size() when there is none.
    size_t indexOf(Hertz frequency) const;

    // One reason more (delta 1) or less (delta −1) for every point f within reach with
    // |multiple·f − centre| < guard; nothing when guard is 0.
    void markNear(Hertz multiple, Hertz centre, Hertz guard, int delta = 1,
                  const Reach& reach = {});
    // How many of those points are not marked yet.
    size_t countUnmarkedNear(Hertz multiple, Hertz centre, Hertz guard,
                             const Reach& reach = {}) const;
    // Marks every point from low to high, both included.
    void markRange(Hertz low, Hertz high);
    void mark(size_t i, int delta = 1) { counts_[i] += static_cast<uint32_t>(delta); }

  private:
    // The points markNear means, as [first, end) indices within the grid.
    std::pair<size_t, size_t> near(Hertz multiple, Hertz centre, Hertz guard,
                                   const Reach& reach) const;
    // The first point at or above the frequency, size() when there is none: the grid's own
    // answer, found in the table, since a search asks it millions of times.
    size_t firstPointFrom(Hertz frequency) const;

    // The grid's points, shared by every copy: a search copies its marks often.
    std::shared_ptr<const std::vector<Hertz>> points_;
    double pointsPerHertz_ = 0;
    std::vector<uint32_t> counts_;
};

// The search's picture of a set of channels: a grid point is marked exactly when adding it as a
// further channel would make the set incompatible under the rules. Each added channel marks what
// its new products and guards rule out, and a removed one takes back the same, so a search step
// costs the products of one channel instead of a full check per candidate. With a receiver's
// window a relation among channels counts only for a victim that every other member reaches, as
// in the check.
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
    // How many reasons rule out a channel of the set among the others: 0 while it is compatible
    // with them. 0 for a channel off the grid.
    size_t conflictsOf(Hertz channel) const;
    // Guard ranges visited so far, adding and estimating: the search's measure of work done.
    size_t work() const { return work_; }

  private:
    // Calls visit(multiple, centre, guard) for every range of grid points that adding g rules
    // out besides g itself.
    template <typename Visit>
    void visitRuledOut(Hertz g, Visit&& visit) const;
    // The ranges of visitRuledOut that name g alone: its guard and its receiver's image.
    template <typename Visit>
    void visitOwnRanges(Hertz g, Visit&& visit) const;
    // A member of a relation besides the grid point: whether it may be the one disturbed there
    // (a channel, not the source a product multiplies).
    struct Member {
        Hertz frequency;
        bool victim;
    };
    // The range of points f with |multiple·f − centre| < guard, once for each member that may be
    // the victim (f included when `pointIsVictim`) and that every other member reaches, within
    // the victim's reach. Without a window, once, everywhere.
    template <typename Visit>
    void visitRelation(Visit& visit, Hertz multiple, Hertz centre, Hertz guard, bool pointIsVictim,
                       std::initializer_list<Member> members) const;
    Reach reachOf(Hertz victim) const;
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
