#include "coordination/compatibility_check.h"

#include <algorithm>
#include <utility>

namespace quorprog::coordination {

namespace {

Hertz distanceBetween(Hertz a, Hertz b) {
    return a > b ? a - b : b - a;
}

// The conflicts of one channel against its sources, appended to `out`.
class ChannelCheck {
  public:
    ChannelCheck(size_t channel, Hertz frequency, std::vector<Hertz> sources,
                 const CoordinationRules& rules, const std::function<void(Conflict&&)>& out)
        : channel_(channel),
          frequency_(frequency),
          sources_(std::move(sources)),
          rules_(rules),
          out_(out) {
        for (size_t i = 0; i < sources_.size(); ++i) byFrequency_.emplace_back(sources_[i], i);
        std::sort(byFrequency_.begin(), byFrequency_.end());
    }

    void run() {
        const Guards& guards = rules_.guards;
        if (guards.spacing > 0) {
            for (const Hertz s : sources_) {
                if (near(s, guards.spacing)) push(ConflictKind::Spacing, {s}, s);
            }
        }
        if (guards.im3 > 0) orderedPairs(ConflictKind::Im3, 2, 1, guards.im3);
        if (guards.im3x3 > 0) threeTransmitterProducts(guards.im3x3);
        if (guards.im5 > 0) orderedPairs(ConflictKind::Im5, 3, 2, guards.im5);
        if (rules_.image && rules_.image->intermediateFrequency > 0 && guards.spacing > 0) {
            const Hertz image = rules_.image->imageOf(frequency_);
            for (const Hertz s : sources_) {
                const Hertz distance = distanceBetween(s, image);
                if (distance < guards.spacing)
                    out_({channel_, frequency_, ConflictKind::Image, {s}, image, distance, {}});
            }
        }
        for (const ExcludedRange& range : rules_.excluded) {
            if (frequency_ >= range.low && frequency_ <= range.high)
                push(ConflictKind::Excluded, {range.low, range.high}, frequency_, range.label);
        }
        occupiedPoints();
    }

  private:
    // The occupied points of a scan closer than the scan guard, ascending.
    void occupiedPoints() {
        const std::vector<Hertz>& occupied = rules_.occupied;
        const Hertz guard = rules_.scanGuard;
        if (guard <= 0) return;
        auto it = std::upper_bound(occupied.begin(), occupied.end(), frequency_ - guard);
        for (; it != occupied.end() && *it < frequency_ + guard; ++it)
            push(ConflictKind::Scan, {*it}, *it);
    }

    // Products m·a − n·b over every ordered pair of distinct sources. For each a the product is
    // near the channel exactly when n·b lies near m·a − channel, which the sorted sources answer.
    void orderedPairs(ConflictKind kind, Hertz m, Hertz n, Hertz guard) {
        for (size_t a = 0; a < sources_.size(); ++a) {
            for (const size_t b : sourcesNear(n, m * sources_[a] - frequency_, guard, a, a)) {
                push(kind, {sources_[a], sources_[b]}, m * sources_[a] - n * sources_[b]);
            }
        }
    }

    // a + b − x lands near the channel exactly when x lies near a + b − channel.
    void threeTransmitterProducts(Hertz guard) {
        for (size_t a = 0; a < sources_.size(); ++a) {
            for (size_t b = a + 1; b < sources_.size(); ++b) {
                const Hertz sum = sources_[a] + sources_[b];
                for (const size_t x : sourcesNear(1, sum - frequency_, guard, a, b)) {
                    push(ConflictKind::Im3x3, {sources_[a], sources_[b], sources_[x]},
                         sum - sources_[x]);
                }
            }
        }
    }

    // Positions of the sources s with |multiple·s − centre| < guard, other than the two given,
    // in source order. The list is reused from call to call: most calls find nothing.
    const std::vector<size_t>& sourcesNear(Hertz multiple, Hertz centre, Hertz guard, size_t skip1,
                                           size_t skip2) {
        const auto above = [&](const std::pair<Hertz, size_t>& s) {
            return multiple * s.first <= centre - guard;
        };
        auto it = std::partition_point(byFrequency_.begin(), byFrequency_.end(), above);
        found_.clear();
        for (; it != byFrequency_.end() && multiple * it->first < centre + guard; ++it) {
            if (it->second != skip1 && it->second != skip2) found_.push_back(it->second);
        }
        std::sort(found_.begin(), found_.end());
        return found_;
    }

    bool near(Hertz product, Hertz guard) const {
        return distanceBetween(frequency_, product) < guard;
    }

    void push(ConflictKind kind, std::vector<Hertz> sources, Hertz product,
              std::string label = {}) {
        out_({channel_, frequency_, kind, std::move(sources), product,
              distanceBetween(frequency_, product), std::move(label)});
    }

    size_t channel_;
    Hertz frequency_;
    std::vector<Hertz> sources_;
    std::vector<std::pair<Hertz, size_t>> byFrequency_;  // the sources sorted, with positions
    std::vector<size_t> found_;
    const CoordinationRules& rules_;
    const std::function<void(Conflict&&)>& out_;
};

}  // namespace

std::string_view conflictKindName(ConflictKind kind) {
    static constexpr std::string_view kNames[] = {"spacing", "im3",      "im3x3", "im5",
                                                  "image",   "excluded", "scan"};
    return kNames[static_cast<int>(kind)];
}

void visitConflicts(std::span<const Hertz> channels, const CoordinationRules& rules,
                    const std::function<void(Conflict&&)>& visit) {
    for (size_t c = 0; c < channels.size(); ++c) {
        if (channels[c] <= 0) continue;
        std::vector<Hertz> sources;
        for (size_t other = 0; other < channels.size(); ++other) {
            if (other != c && channels[other] > 0 && rules.reaches(channels[other], channels[c]))
                sources.push_back(channels[other]);
        }
        for (const Hertz s : rules.onSite) {
            if (rules.reaches(s, channels[c])) sources.push_back(s);
        }
        ChannelCheck(c, channels[c], std::move(sources), rules, visit).run();
    }
}

std::vector<Conflict> findConflicts(std::span<const Hertz> channels,
                                    const CoordinationRules& rules) {
    std::vector<Conflict> conflicts;
    visitConflicts(channels, rules, [&](Conflict&& c) { conflicts.push_back(std::move(c)); });
    return conflicts;
}

}  // namespace quorprog::coordination
