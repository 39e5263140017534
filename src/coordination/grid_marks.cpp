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

size_t GridMarks::indexOf(Hertz frequency) const {
    const size_t i = grid_.firstPointFrom(frequency);
    return i < size() && grid_.point(i) == frequency ? i : size();
}

std::pair<size_t, size_t> GridMarks::near(Hertz multiple, Hertz centre, Hertz guard) const {
    if (guard <= 0 || size() == 0) return {0, 0};
    // multiple·f strictly inside (centre − guard, centre + guard): f above
    // ⌊(centre − guard) / multiple⌋ and below ⌈(centre + guard) / multiple⌉.
    const size_t first = grid_.firstPointFrom(floorDivide(centre - guard, multiple) + 1);
    const size_t end = grid_.firstPointFrom(ceilDivide(centre + guard, multiple));
    if (first >= end) return {0, 0};
    return {first, end};
}

void GridMarks::markNear(Hertz multiple, Hertz centre, Hertz guard, int delta) {
    const auto [first, end] = near(multiple, centre, guard);
    for (size_t i = first; i < end; ++i) counts_[i] += static_cast<uint32_t>(delta);
}

size_t GridMarks::countUnmarkedNear(Hertz multiple, Hertz centre, Hertz guard) const {
    const auto [first, end] = near(multiple, centre, guard);
    return static_cast<size_t>(std::count(counts_.begin() + static_cast<ptrdiff_t>(first),
                                          counts_.begin() + static_cast<ptrdiff_t>(end), 0u));
}

void GridMarks::markRange(Hertz low, Hertz high) {
    if (size() == 0 || high < low) return;
    const size_t first = grid_.firstPointFrom(low);
    const size_t end = grid_.firstPointFrom(high + 1);
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
    for (size_t a = 0; a < site.size(); ++a) {
        grid_.markNear(1, site[a], guards.spacing);
        if (rules_.image && rules_.image->intermediateFrequency > 0) {
            // A point whose image falls on the transmitter: image(f) = s ⇔ f = s ∓ 2·IF.
            grid_.markNear(1, 2 * site[a] - rules_.image->imageOf(site[a]), guards.spacing);
        }
        for (size_t b = 0; b < site.size(); ++b) {
            if (a == b) continue;
            grid_.markNear(1, 2 * site[a] - site[b], guards.im3);
            grid_.markNear(1, 3 * site[a] - 2 * site[b], guards.im5);
            if (b < a) continue;
            for (size_t x = 0; x < site.size(); ++x) {
                if (x != a && x != b) grid_.markNear(1, site[a] + site[b] - site[x], guards.im3x3);
            }
        }
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
template <typename Visit>
void CompatibleSetBuilder::visitRuledOut(Hertz g, Visit&& visit) const {
    const Guards& guards = rules_.guards;
    const size_t channelSources = channels_.size();  // sources_ begins with the channels
    visit(1, g, guards.spacing);
    if (rules_.image && rules_.image->intermediateFrequency > 0) {
        visit(1, rules_.image->imageOf(g), guards.spacing);
        visit(1, 2 * g - rules_.image->imageOf(g), guards.spacing);
    }
    for (size_t i = 0; i < sources_.size(); ++i) {
        const Hertz b = sources_[i];
        visit(2, g + b, guards.im3);
        visit(1, 2 * b - g, guards.im3);
        visit(1, 2 * g - b, guards.im3);
        if (guards.im5 > 0) {
            visit(3, g + 2 * b, guards.im5);
            visit(2, 3 * b - g, guards.im5);
            visit(1, 3 * g - 2 * b, guards.im5);
            visit(1, 3 * b - 2 * g, guards.im5);
            if (i < channelSources) {
                visit(3, b + 2 * g, guards.im5);
                visit(2, 3 * g - b, guards.im5);
            }
        }
        if (guards.im3x3 > 0) {
            for (size_t j = 0; j < sources_.size(); ++j) {
                if (j == i) continue;
                visit(1, g + b - sources_[j], guards.im3x3);
                if (j > i) visit(1, b + sources_[j] - g, guards.im3x3);
            }
        }
    }
}

void CompatibleSetBuilder::markRuledOut(Hertz g, int delta) {
    if (const size_t own = grid_.indexOf(g); own < grid_.size()) grid_.mark(own, delta);
    visitRuledOut(g, [this, delta](Hertz multiple, Hertz centre, Hertz guard) {
        ++work_;
        grid_.markNear(multiple, centre, guard, delta);
    });
}

void CompatibleSetBuilder::add(Hertz g) {
    markRuledOut(g, 1);
    sources_.insert(sources_.begin() + static_cast<ptrdiff_t>(channels_.size()), g);
    channels_.push_back(g);
}

// Every range that names g, with the set as it stands without g, is exactly what was marked for
// g: at its own addition with the channels before it, and at each later one's with g among them.
void CompatibleSetBuilder::remove(Hertz g) {
    const auto at = std::find(channels_.begin(), channels_.end(), g);
    if (at == channels_.end()) return;
    sources_.erase(sources_.begin() + (at - channels_.begin()));
    channels_.erase(at);
    markRuledOut(g, -1);
}

size_t CompatibleSetBuilder::freePointsRuledOutBy(Hertz g) const {
    size_t count = 0;
    visitRuledOut(g, [&](Hertz multiple, Hertz centre, Hertz guard) {
        ++work_;
        count += grid_.countUnmarkedNear(multiple, centre, guard);
    });
    return count;
}

}  // namespace quorprog::coordination
