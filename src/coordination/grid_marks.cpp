#include "coordination/grid_marks.h"

#include <algorithm>

namespace quorprog::coordination {

namespace {

Hertz floorDivide(Hertz a, Hertz b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

Hertz ceilDivide(Hertz a, Hertz b) {
    return -floorDivide(-a, b);
}

}  // namespace

GridMarks::GridMarks(const ChannelGrid& grid) {
    auto points = std::make_shared<std::vector<Hertz>>(grid.pointCount());
    for (size_t i = 0; i < points->size(); ++i) (*points)[i] = grid.point(i);
    if (points->size() > 1 && points->back() > points->front()) {
        pointsPerHertz_ = static_cast<double>(points->size() - 1) /
                          static_cast<double>(points->back() - points->front());
    }
    counts_.assign(points->size(), 0);
    points_ = std::move(points);
}

size_t GridMarks::firstPointFrom(Hertz frequency) const {
    const std::vector<Hertz>& points = *points_;
    if (points.empty()) return 0;
    // An estimate from the mean step, then the exact answer by walking: the points ascend.
    const double estimate = static_cast<double>(frequency - points.front()) * pointsPerHertz_;
    size_t i = estimate <= 0                                    ? 0
               : estimate >= static_cast<double>(points.size()) ? points.size()
                                                                : static_cast<size_t>(estimate);
    while (i > 0 && points[i - 1] >= frequency) --i;
    while (i < points.size() && points[i] < frequency) ++i;
    return i;
}

size_t GridMarks::indexOf(Hertz frequency) const {
    const size_t i = firstPointFrom(frequency);
    return i < size() && (*points_)[i] == frequency ? i : size();
}

std::pair<size_t, size_t> GridMarks::near(Hertz multiple, Hertz centre, Hertz guard,
                                          const Reach& reach) const {
    if (guard <= 0 || size() == 0) return {0, 0};
    // multiple·f strictly inside (centre − guard, centre + guard): f above
    // ⌊(centre − guard) / multiple⌋ and below ⌈(centre + guard) / multiple⌉.
    size_t first = firstPointFrom(std::max(floorDivide(centre - guard, multiple) + 1, reach.low));
    // A guard spans a few points: walking there is quicker than a second look-up.
    const Hertz above = ceilDivide(centre + guard, multiple);
    const std::vector<Hertz>& points = *points_;
    size_t end = first;
    while (end < points.size() && points[end] < above && points[end] <= reach.high) ++end;
    if (first >= end) return {0, 0};
    return {first, end};
}

void GridMarks::markNear(Hertz multiple, Hertz centre, Hertz guard, int delta, const Reach& reach) {
    const auto [first, end] = near(multiple, centre, guard, reach);
    for (size_t i = first; i < end; ++i) counts_[i] += static_cast<uint32_t>(delta);
}

size_t GridMarks::countUnmarkedNear(Hertz multiple, Hertz centre, Hertz guard,
                                    const Reach& reach) const {
    const auto [first, end] = near(multiple, centre, guard, reach);
    return static_cast<size_t>(std::count(counts_.begin() + static_cast<ptrdiff_t>(first),
                                          counts_.begin() + static_cast<ptrdiff_t>(end), 0u));
}

void GridMarks::markRange(Hertz low, Hertz high) {
    if (size() == 0 || high < low) return;
    const size_t first = firstPointFrom(low);
    const size_t end = firstPointFrom(high + 1);
    for (size_t i = first; i < end; ++i) ++counts_[i];
}

CompatibleSetBuilder::CompatibleSetBuilder(GridMarks grid, const CoordinationRules& rules)
    : grid_(std::move(grid)), rules_(rules), sources_(rules.onSite) {
    for (const ExcludedRange& range : rules_.excluded) grid_.markRange(range.low, range.high);
    for (const Hertz occupied : rules_.occupied) grid_.markNear(1, occupied, rules_.scanGuard);
    markOnSiteProducts();
}

void CompatibleSetBuilder::markOnSiteProducts() {
    const Guards& guards = rules_.guards;
    const std::vector<Hertz>& site = rules_.onSite;
    auto mark = [this](Hertz multiple, Hertz centre, Hertz guard, const Reach& reach) {
        grid_.markNear(multiple, centre, guard, 1, reach);
    };
    // The transmitters are sources only: the grid point is the one disturbed.
    for (size_t a = 0; a < site.size(); ++a) {
        visitRelation(mark, 1, site[a], guards.spacing, true, {{site[a], false}});
        if (rules_.image && rules_.image->intermediateFrequency > 0) {
            // A point whose image falls on the transmitter: image(f) = s ⇔ f = s ∓ 2·IF.
            visitRelation(mark, 1, 2 * site[a] - rules_.image->imageOf(site[a]), guards.spacing,
                          true, {{site[a], false}});
        }
        for (size_t b = 0; b < site.size(); ++b) {
            if (a == b) continue;
            visitRelation(mark, 1, 2 * site[a] - site[b], guards.im3, true,
                          {{site[a], false}, {site[b], false}});
            visitRelation(mark, 1, 3 * site[a] - 2 * site[b], guards.im5, true,
                          {{site[a], false}, {site[b], false}});
            if (b < a) continue;
            for (size_t x = 0; x < site.size(); ++x) {
                if (x == a || x == b) continue;
                visitRelation(mark, 1, site[a] + site[b] - site[x], guards.im3x3, true,
                              {{site[a], false}, {site[b], false}, {site[x], false}});
            }
        }
    }
}

Reach CompatibleSetBuilder::reachOf(Hertz victim) const {
    // reaches(): twice the distance at most the window.
    const Hertz half = rules_.window / 2;
    return {victim - half, victim + half};
}

template <typename Visit>
void CompatibleSetBuilder::visitRelation(Visit& visit, Hertz multiple, Hertz centre, Hertz guard,
                                         bool pointIsVictim,
                                         std::initializer_list<Member> members) const {
    if (rules_.window <= 0) {
        visit(multiple, centre, guard, Reach{});
        return;
    }
    const auto extremes = std::minmax(
        members, [](const Member& a, const Member& b) { return a.frequency < b.frequency; });
    const Hertz lowest = extremes.first.frequency;
    const Hertz highest = extremes.second.frequency;
    // Every victim reaches every point of the range when the members and the range lie within
    // half the window: then the range is marked once, as without a window. The grid bounds the
    // range, which on a TV channel's width answers at once.
    const auto withinHalfWindow = [&](Hertz low, Hertz high) {
        return 2 * (std::max(highest, high) - std::min(lowest, low)) <= rules_.window;
    };
    if (grid_.size() > 0 &&
        withinHalfWindow(grid_.frequency(0), grid_.frequency(grid_.size() - 1))) {
        visit(multiple, centre, guard, Reach{});
        return;
    }
    // Every member within reach of the victim: none is when they spread wider than the window.
    if (highest - lowest > rules_.window) return;
    if (withinHalfWindow(floorDivide(centre - guard, multiple),
                         ceilDivide(centre + guard, multiple))) {
        visit(multiple, centre, guard, Reach{});
        return;
    }
    if (pointIsVictim) {
        Reach reach;
        for (const Member& m : members) {
            const Reach around = reachOf(m.frequency);
            reach = {std::max(reach.low, around.low), std::min(reach.high, around.high)};
        }
        if (reach.low <= reach.high) visit(multiple, centre, guard, reach);
    }
    for (const Member& victim : members) {
        if (!victim.victim) continue;
        const bool reached = std::all_of(members.begin(), members.end(), [&](const Member& m) {
            return &m == &victim || rules_.reaches(m.frequency, victim.frequency);
        });
        if (reached) visit(multiple, centre, guard, reachOf(victim.frequency));
    }
}

// With g the new channel, O the sources before it (channels so far and on-site transmitters) and
// f a grid point, the set with g and f is incompatible when a conflict involves both: f disturbed
// by a product of g and O, g disturbed by a product of f and O, or an earlier channel c disturbed
// by a product of f and g (with O). Each case reduces to f near one centre per pair or triple:
//   spacing   |f − g|
//   im3       |2f − (g + b)|, |f − (2b − g)|, |f − (2g − b)|          (covers victims c ∈ O too)
//   im3x3     |f − (g + a − y)| for ordered a ≠ y, |f − (a + b − g)| for unordered {a, b}
//   im5       |3f − (g + 2b)|, |2f − (3b − g)|, |f − (3g − 2b)|, |f − (3b − 2g)|, and for a
//             channel b as victim |3f − (b + 2g)|, |2f − (3g − b)|
//   image     |f − image(g)|, and f whose image falls near g
// Each relation names the members that may be its victim, for the receiver's window.
template <typename Visit>
void CompatibleSetBuilder::visitOwnRanges(Hertz g, Visit&& visit) const {
    const Hertz spacing = rules_.guards.spacing;
    visitRelation(visit, 1, g, spacing, true, {{g, true}});
    if (rules_.image && rules_.image->intermediateFrequency > 0) {
        visitRelation(visit, 1, rules_.image->imageOf(g), spacing, false, {{g, true}});
        visitRelation(visit, 1, 2 * g - rules_.image->imageOf(g), spacing, true, {{g, false}});
    }
}

template <typename Visit>
void CompatibleSetBuilder::visitRuledOut(Hertz g, Visit&& visit) const {
    const Guards& guards = rules_.guards;
    const size_t channelSources = channels_.size();  // sources_ begins with the channels
    visitOwnRanges(g, visit);
    // Members spread wider than the window reach no victim together: a pair that far apart is
    // in no relation worth visiting.
    const auto tooFar = [&](Hertz x, Hertz y) {
        return rules_.window > 0 && (x > y ? x - y : y - x) > rules_.window;
    };
    for (size_t i = 0; i < sources_.size(); ++i) {
        const Hertz b = sources_[i];
        if (tooFar(g, b)) continue;
        const bool bIsChannel = i < channelSources;
        visitRelation(visit, 2, g + b, guards.im3, false, {{g, true}, {b, bIsChannel}});
        visitRelation(visit, 1, 2 * b - g, guards.im3, true, {{g, true}, {b, false}});
        visitRelation(visit, 1, 2 * g - b, guards.im3, true, {{g, false}, {b, bIsChannel}});
        if (guards.im5 > 0) {
            visitRelation(visit, 3, g + 2 * b, guards.im5, false, {{g, true}, {b, false}});
            visitRelation(visit, 2, 3 * b - g, guards.im5, false, {{g, true}, {b, false}});
            visitRelation(visit, 1, 3 * g - 2 * b, guards.im5, true, {{g, false}, {b, false}});
            visitRelation(visit, 1, 3 * b - 2 * g, guards.im5, true, {{g, false}, {b, false}});
            if (bIsChannel) {
                visitRelation(visit, 3, b + 2 * g, guards.im5, false, {{g, false}, {b, true}});
                visitRelation(visit, 2, 3 * g - b, guards.im5, false, {{g, false}, {b, true}});
            }
        }
        if (guards.im3x3 > 0) {
            for (size_t j = 0; j < sources_.size(); ++j) {
                const Hertz y = sources_[j];
                if (j == i || tooFar(g, y) || tooFar(b, y)) continue;
                const bool yIsChannel = j < channelSources;
                visitRelation(visit, 1, g + b - y, guards.im3x3, true,
                              {{g, true}, {b, bIsChannel}, {y, yIsChannel}});
                if (j > i) {
                    visitRelation(visit, 1, b + y - g, guards.im3x3, true,
                                  {{g, true}, {b, bIsChannel}, {y, yIsChannel}});
                }
            }
        }
    }
}

void CompatibleSetBuilder::markRuledOut(Hertz g, int delta) {
    if (const size_t own = grid_.indexOf(g); own < grid_.size()) grid_.mark(own, delta);
    visitRuledOut(g, [this, delta](Hertz multiple, Hertz centre, Hertz guard, const Reach& reach) {
        ++work_;
        grid_.markNear(multiple, centre, guard, delta, reach);
    });
}

void CompatibleSetBuilder::add(Hertz g) {
    markRuledOut(g, 1);
    sources_.insert(sources_.begin() + static_cast<ptrdiff_t>(channels_.size()), g);
    channels_.push_back(g);
}

// Every range that names g, with the set as it stands without g, is exactly what was marked for
// g: at its own addition with the channels before it, and at each later one's with g among them.
// A relation's victims depend on its members only, never on which of them came last.
void CompatibleSetBuilder::remove(Hertz g) {
    const auto at = std::find(channels_.begin(), channels_.end(), g);
    if (at == channels_.end()) return;
    sources_.erase(sources_.begin() + (at - channels_.begin()));
    channels_.erase(at);
    markRuledOut(g, -1);
}

size_t CompatibleSetBuilder::conflictsOf(Hertz channel) const {
    const size_t i = grid_.indexOf(channel);
    if (i >= grid_.size()) return 0;
    size_t own = 1;  // the mark on its own point
    visitOwnRanges(channel, [&](Hertz multiple, Hertz centre, Hertz guard, const Reach& reach) {
        const Hertz offset = multiple * channel - centre;
        if (guard > 0 && offset < guard && -offset < guard && channel >= reach.low &&
            channel <= reach.high)
            ++own;
    });
    return grid_.reasons(i) - own;
}

size_t CompatibleSetBuilder::freePointsRuledOutBy(Hertz g) const {
    size_t count = 0;
    visitRuledOut(g, [&](Hertz multiple, Hertz centre, Hertz guard, const Reach& reach) {
        ++work_;
        count += grid_.countUnmarkedNear(multiple, centre, guard, reach);
    });
    return count;
}

}  // namespace quorprog::coordination
