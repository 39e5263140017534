#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "coordination/compatibility_check.h"
#include "coordination/coordination_rules.h"
#include "coordination/rf_scan.h"
#include "coordination/tv_channels.h"

namespace quorprog::coordination {

// What a picture of a group's spectrum is drawn from. `conflicts` is the check's result for
// these channels under these rules: the picture shows it and never checks again. An excluded
// range of the rules that is a TV channel (as excludedTvChannel makes it) is shown as that TV
// channel.
struct SpectrumInputs {
    std::span<const Hertz> channels;  // per channel, 0 for an empty one
    const CoordinationRules& rules;
    std::span<const Conflict> conflicts;
    std::vector<TvChannel> searchedTv;  // the TV channels a search is restricted to
    std::vector<ScanPoint> scan;        // in any order
    std::optional<double> threshold;    // dBm at and above which a scan point is occupied
};

struct SpectrumLine {
    size_t channel = 0;
    Hertz frequency = 0;
    bool conflicting = false;
};

enum class ShadeKind { Guard, Excluded, TvExcluded, TvSearched };

struct ShadedRange {
    ShadeKind kind = ShadeKind::Guard;
    Hertz low = 0;
    Hertz high = 0;
    int tvChannel = 0;  // the TV channel's number for the TV kinds
};

// A two-transmitter third-order product 2a − b.
struct Im3Product {
    Hertz frequency = 0;
    Hertz a = 0;
    Hertz b = 0;
};

// What lies at one frequency of the picture, for the tooltip.
struct SpectrumHit {
    std::vector<SpectrumLine> lines;  // channels near, with their conflicts below
    std::vector<Conflict> conflicts;  // of those channels, as the check found them
    std::vector<Hertz> onSite;        // other transmitters near
    std::vector<Im3Product> im3;      // products near, with their sources
    std::vector<ShadedRange> ranges;  // excluded ranges and TV channels holding it
    std::optional<ScanPoint> scan;    // the nearest scan point, when one is near

    bool empty() const {
        return lines.empty() && onSite.empty() && im3.empty() && ranges.empty() && !scan;
    }
};

// The check's conflicts of the channels as a picture needs them: every conflicting channel, with
// at most `perChannel` of its conflicts for the tooltip. A dense group has millions of conflicts;
// this keeps the memory to what is shown.
std::vector<Conflict> conflictsToShow(std::span<const Hertz> channels,
                                      const CoordinationRules& rules, size_t perChannel = 12);

// The picture of a group's spectrum as numbers: which frequencies to show and what to draw there.
class SpectrumModel {
  public:
    // A device group's channels (the check takes at most 1024) and a site's other transmitters:
    // the products of more are not worth their memory (pair sums grow with the square).
    static constexpr size_t kMaxSources = 1536;
    // A group's channels, at most: what a device holds and the check takes.
    static constexpr size_t kMaxChannels = 1024;
    // The view's span leaves this much room beside the outermost transmitters, at least.
    static constexpr Hertz kMinMargin = 1000 * kHertzPerKhz;

    // Nothing when there are more than kMaxSources transmitters.
    static std::optional<SpectrumModel> build(const SpectrumInputs& inputs);

    // The frequencies a full view covers: every transmitter with a margin of a twentieth of
    // their spread, and at least kMinMargin (without a transmitter, the TV channels and the
    // scan).
    Hertz low() const { return low_; }
    Hertz high() const { return high_; }

    const std::vector<SpectrumLine>& lines() const { return lines_; }
    const std::vector<Hertz>& onSite() const { return onSite_; }
    // The products 2a − b of every ordered pair of transmitters inside the span, ascending.
    const std::vector<Hertz>& im3Products() const { return im3_; }
    // Guard bands (±spacing around each channel), excluded ranges and TV channels.
    const std::vector<ShadedRange>& shaded() const { return shaded_; }
    // Ascending by frequency.
    const std::vector<ScanPoint>& scan() const { return scan_; }
    const std::optional<double>& threshold() const { return threshold_; }

    // How many three-transmitter products a + b − x ({a, b} unordered, x a third one) fall into
    // each of `bins` equal parts of [low, high). Exact, without visiting every triple.
    std::vector<uint32_t> im3x3Density(Hertz low, Hertz high, size_t bins) const;

    // What lies within `tolerance` of the frequency.
    SpectrumHit hitAt(Hertz frequency, Hertz tolerance) const;

  private:
    SpectrumModel() = default;

    Hertz low_ = 0;
    Hertz high_ = 0;
    std::vector<SpectrumLine> lines_;
    std::vector<Conflict> conflicts_;
    std::vector<Hertz> onSite_;
    std::vector<Hertz> sources_;   // every transmitter: the channels, then the others
    std::vector<Hertz> pairSums_;  // a + b of every unordered pair of sources, ascending
    std::vector<Hertz> im3_;
    std::vector<ShadedRange> shaded_;
    std::vector<ScanPoint> scan_;
    std::optional<double> threshold_;
};

}  // namespace quorprog::coordination
