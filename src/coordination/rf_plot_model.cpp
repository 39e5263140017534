#include "coordination/rf_plot_model.h"

#include <algorithm>
#include <tuple>

namespace quorprog::coordination {

namespace {

Hertz distanceBetween(Hertz a, Hertz b) {
    return a > b ? a - b : b - a;
}

bool within(Hertz a, Hertz b, Hertz tolerance) {
    return distanceBetween(a, b) <= tolerance;
}

// The bin edges of [low, high) in `bins` parts: edge j is low + (high − low)·j / bins.
Hertz binEdge(Hertz low, Hertz high, size_t bins, size_t j) {
    return low + (high - low) * static_cast<Hertz>(j) / static_cast<Hertz>(bins);
}

// The TV channel an excluded range stands for: the same band with the name excludedTvChannel
// gives it.
std::optional<int> tvChannelNumberOf(const ExcludedRange& range) {
    for (const TvRegion region : {TvRegion::Eu, TvRegion::Us}) {
        for (int n = firstTvChannel(region); n <= lastTvChannel(region); ++n) {
            const std::optional<TvChannel> tv = tvChannel(region, n);
            if (tv && tv->low == range.low && tv->high == range.high &&
                range.label == tvChannelLabel(*tv))
                return n;
        }
    }
    return std::nullopt;
}

// The sources' envelope with its margin; the other things shown when there is no source.
std::pair<Hertz, Hertz> spanOf(const std::vector<Hertz>& sources,
                               const std::vector<ShadedRange>& shaded,
                               const std::vector<ScanPoint>& scan) {
    Hertz low = 0;
    Hertz high = 0;
    bool any = false;
    const auto include = [&](Hertz from, Hertz to) {
        low = any ? std::min(low, from) : from;
        high = any ? std::max(high, to) : to;
        any = true;
    };
    for (const Hertz s : sources) include(s, s);
    if (!any) {
        for (const ShadedRange& range : shaded) {
            // An excluded range may reach to the end of the radio spectrum.
            if (range.kind != ShadeKind::Excluded) include(range.low, range.high);
        }
        for (const ScanPoint& point : scan) include(point.frequency, point.frequency);
    }
    const Hertz margin = std::max((high - low) / 20, SpectrumModel::kMinMargin);
    return {low - margin, high + margin};
}

}  // namespace

std::vector<Conflict> conflictsToShow(std::span<const Hertz> channels,
                                      const CoordinationRules& rules, size_t perChannel) {
    std::vector<Conflict> shown;
    std::vector<size_t> counts(channels.size(), 0);
    visitConflicts(channels, rules, [&](Conflict&& conflict) {
        if (conflict.channel < counts.size() && counts[conflict.channel]++ < perChannel)
            shown.push_back(std::move(conflict));
    });
    return shown;
}

std::optional<SpectrumModel> SpectrumModel::build(const SpectrumInputs& inputs) {
    SpectrumModel model;
    for (size_t c = 0; c < inputs.channels.size(); ++c) {
        const Hertz f = inputs.channels[c];
        if (f <= 0) continue;
        const bool conflicting =
            std::any_of(inputs.conflicts.begin(), inputs.conflicts.end(),
                        [c](const Conflict& conflict) { return conflict.channel == c; });
        model.lines_.push_back({c, f, conflicting});
        model.sources_.push_back(f);
    }
    model.onSite_ = inputs.rules.onSite;
    model.sources_.insert(model.sources_.end(), model.onSite_.begin(), model.onSite_.end());
    if (model.sources_.size() > kMaxSources) return std::nullopt;
    model.conflicts_.assign(inputs.conflicts.begin(), inputs.conflicts.end());

    const Hertz spacing = inputs.rules.guards.spacing;
    if (spacing > 0) {
        for (const SpectrumLine& line : model.lines_)
            model.shaded_.push_back(
                {ShadeKind::Guard, line.frequency - spacing, line.frequency + spacing, 0});
    }
    for (const ExcludedRange& range : inputs.rules.excluded) {
        const std::optional<int> tv = tvChannelNumberOf(range);
        model.shaded_.push_back({tv ? ShadeKind::TvExcluded : ShadeKind::Excluded, range.low,
                                 range.high, tv.value_or(0)});
    }
    for (const TvChannel& tv : inputs.searchedTv)
        model.shaded_.push_back({ShadeKind::TvSearched, tv.low, tv.high, tv.number});
    model.scan_ = inputs.scan;
    std::stable_sort(model.scan_.begin(), model.scan_.end(),
                     [](const auto& a, const auto& b) { return a.frequency < b.frequency; });
    model.threshold_ = inputs.threshold;
    std::tie(model.low_, model.high_) = spanOf(model.sources_, model.shaded_, model.scan_);

    const std::vector<Hertz>& sources = model.sources_;
    for (size_t a = 0; a < sources.size(); ++a) {
        for (size_t b = 0; b < sources.size(); ++b) {
            if (a == b) continue;
            const Hertz product = 2 * sources[a] - sources[b];
            if (product >= model.low_ && product <= model.high_) model.im3_.push_back(product);
            if (b > a) model.pairSums_.push_back(sources[a] + sources[b]);
        }
    }
    std::sort(model.im3_.begin(), model.im3_.end());
    std::sort(model.pairSums_.begin(), model.pairSums_.end());
    return model;
}

std::vector<uint32_t> SpectrumModel::im3x3Density(Hertz low, Hertz high, size_t bins) const {
    std::vector<uint32_t> counts(bins, 0);
    if (bins == 0 || high <= low || sources_.size() < 3) return counts;
    // Products s − x in bin j: pair sums s with edge(j) + x ≤ s < edge(j + 1) + x, for every x.
    std::vector<int64_t> total(bins, 0);
    for (const Hertz x : sources_) {
        auto below = std::lower_bound(pairSums_.begin(), pairSums_.end(), low + x);
        for (size_t j = 0; j < bins; ++j) {
            const auto next =
                std::lower_bound(below, pairSums_.end(), binEdge(low, high, bins, j + 1) + x);
            total[j] += next - below;
            below = next;
        }
    }
    // Those counted x as one of the pair's own two: {a, b} − a is b, once for every other source.
    const auto others = static_cast<int64_t>(sources_.size() - 1);
    for (const Hertz s : sources_) {
        if (s < low || s >= high) continue;
        auto j = static_cast<size_t>((s - low) * static_cast<Hertz>(bins) / (high - low));
        // The rounding of binEdge may put s one bin further on.
        while (j + 1 < bins && s >= binEdge(low, high, bins, j + 1)) ++j;
        while (j > 0 && s < binEdge(low, high, bins, j)) --j;
        total[j] -= others;
    }
    for (size_t j = 0; j < bins; ++j)
        counts[j] = static_cast<uint32_t>(std::clamp<int64_t>(total[j], 0, UINT32_MAX));
    return counts;
}

SpectrumHit SpectrumModel::hitAt(Hertz frequency, Hertz tolerance) const {
    SpectrumHit hit;
    for (const SpectrumLine& line : lines_) {
        if (!within(line.frequency, frequency, tolerance)) continue;
        hit.lines.push_back(line);
        for (const Conflict& conflict : conflicts_) {
            if (conflict.channel == line.channel) hit.conflicts.push_back(conflict);
        }
    }
    for (const Hertz s : onSite_) {
        if (within(s, frequency, tolerance)) hit.onSite.push_back(s);
    }
    for (size_t a = 0; a < sources_.size(); ++a) {
        for (size_t b = 0; b < sources_.size(); ++b) {
            const Hertz product = 2 * sources_[a] - sources_[b];
            if (a != b && within(product, frequency, tolerance))
                hit.im3.push_back({product, sources_[a], sources_[b]});
        }
    }
    for (const ShadedRange& range : shaded_) {
        if (range.kind != ShadeKind::Guard && frequency + tolerance >= range.low &&
            frequency - tolerance <= range.high)
            hit.ranges.push_back(range);
    }
    const auto after =
        std::lower_bound(scan_.begin(), scan_.end(), frequency,
                         [](const ScanPoint& point, Hertz f) { return point.frequency < f; });
    // The nearest point is the last one below the frequency or the first one from it.
    std::optional<Hertz> nearest;
    for (auto it = after == scan_.begin() ? after : after - 1; it != scan_.end() && it <= after;
         ++it) {
        const Hertz distance = distanceBetween(it->frequency, frequency);
        if (distance > tolerance || (nearest && distance >= *nearest)) continue;
        nearest = distance;
        hit.scan = *it;
    }
    return hit;
}

}  // namespace quorprog::coordination
