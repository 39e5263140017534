#include "coordination/rf_plot_model.h"

#include <gtest/gtest.h>

#include <random>

namespace quorprog::coordination {
namespace {

// Every triple a + b − x by brute force, binned as the model bins.
std::vector<uint32_t> bruteDensity(const std::vector<Hertz>& sources, Hertz low, Hertz high,
                                   size_t bins) {
    std::vector<uint32_t> counts(bins, 0);
    for (size_t a = 0; a < sources.size(); ++a) {
        for (size_t b = a + 1; b < sources.size(); ++b) {
            for (size_t x = 0; x < sources.size(); ++x) {
                const Hertz p = sources[a] + sources[b] - sources[x];
                if (x == a || x == b || p < low || p >= high) continue;
                for (size_t j = 0; j < bins; ++j) {
                    const Hertz from =
                        low + (high - low) * static_cast<Hertz>(j) / static_cast<Hertz>(bins);
                    const Hertz to =
                        low + (high - low) * static_cast<Hertz>(j + 1) / static_cast<Hertz>(bins);
                    if (p >= from && p < to) ++counts[j];
                }
            }
        }
    }
    return counts;
}

// The density counts exactly what visiting every triple counts, for coinciding frequencies,
// odd bin widths and views that cut the span, and the IM3 marks are every 2a − b in the span.
TEST(SpectrumModel, CountsEveryProductExactlyWithoutVisitingEveryTriple) {
    std::mt19937_64 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<Hertz> channels;
        const size_t count = 3 + random() % 14;
        for (size_t c = 0; c < count; ++c)
            channels.push_back(600000000 + static_cast<Hertz>(random() % 80) * 25000);
        CoordinationRules rules;
        if (round % 2) rules.onSite = {598000000, 601000000};
        const auto model = SpectrumModel::build({channels, rules, {}, {}, {}, std::nullopt});
        ASSERT_TRUE(model);
        std::vector<Hertz> sources = channels;
        sources.insert(sources.end(), rules.onSite.begin(), rules.onSite.end());
        const Hertz low = model->low() + static_cast<Hertz>(random() % 3000000);
        const Hertz high = model->high() - static_cast<Hertz>(random() % 3000000);
        const size_t bins = 1 + random() % 97;
        EXPECT_EQ(model->im3x3Density(low, high, bins), bruteDensity(sources, low, high, bins))
            << "round " << round;

        size_t marks = 0;
        for (size_t a = 0; a < sources.size(); ++a) {
            for (size_t b = 0; b < sources.size(); ++b) {
                const Hertz p = 2 * sources[a] - sources[b];
                marks += a != b && p >= model->low() && p <= model->high();
            }
        }
        EXPECT_EQ(model->im3Products().size(), marks);
        EXPECT_TRUE(std::is_sorted(model->im3Products().begin(), model->im3Products().end()));
    }
}

TEST(SpectrumModel, ShadesGuardsExcludedRangesAndTvChannelsByKind) {
    const std::vector<Hertz> channels{475000000, 0};
    CoordinationRules rules;
    rules.excluded = {excludedTvChannel(*tvChannel(TvRegion::Eu, 21)),
                      {471000000, 472000000, "TV channel 22 (eu)"},  // not channel 22's band
                      {479000000, 480000000, {}}};
    const auto model = SpectrumModel::build(
        {channels, rules, {}, {*tvChannel(TvRegion::Us, 15)}, {}, std::nullopt});
    ASSERT_TRUE(model);
    const struct {
        ShadeKind kind;
        Hertz low;
        Hertz high;
        int tv;
    } expected[] = {
        {ShadeKind::Guard, 474650000, 475350000, 0},
        {ShadeKind::TvExcluded, 470000000, 478000000, 21},
        {ShadeKind::Excluded, 471000000, 472000000, 0},
        {ShadeKind::Excluded, 479000000, 480000000, 0},
        {ShadeKind::TvSearched, 476000000, 482000000, 15},
    };
    ASSERT_EQ(model->shaded().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(model->shaded()[i].kind, expected[i].kind) << i;
        EXPECT_EQ(model->shaded()[i].low, expected[i].low) << i;
        EXPECT_EQ(model->shaded()[i].high, expected[i].high) << i;
        EXPECT_EQ(model->shaded()[i].tvChannel, expected[i].tv) << i;
    }
    // The tooltip's hit: the channel, and the ranges holding the frequency.
    const SpectrumHit onChannel = model->hitAt(475000000, 1000);
    ASSERT_EQ(onChannel.lines.size(), 1u);
    EXPECT_EQ(onChannel.lines[0].channel, 0u);
    ASSERT_EQ(onChannel.ranges.size(), 1u);
    EXPECT_EQ(onChannel.ranges[0].tvChannel, 21);
    const SpectrumHit between = model->hitAt(477000000, 1000);
    EXPECT_TRUE(between.lines.empty());
    ASSERT_EQ(between.ranges.size(), 2u);
    EXPECT_EQ(between.ranges[0].tvChannel, 21);
    EXPECT_EQ(between.ranges[1].tvChannel, 15);
}

// Refused before any product is counted: the pair sums alone would grow with the square.
TEST(SpectrumModel, RefusesMoreTransmittersThanItShows) {
    const std::vector<Hertz> channels(SpectrumModel::kMaxSources, 600000000);
    CoordinationRules rules;
    rules.onSite = {610000000};
    EXPECT_FALSE(SpectrumModel::build({channels, rules, {}, {}, {}, std::nullopt}));
    // Empty channels are no transmitters.
    const std::vector<Hertz> empty(SpectrumModel::kMaxSources + 1, 0);
    EXPECT_TRUE(SpectrumModel::build({empty, rules, {}, {}, {}, std::nullopt}));
}

}  // namespace
}  // namespace quorprog::coordination
