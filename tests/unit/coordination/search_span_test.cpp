#include "coordination/search_span.h"

#include <gtest/gtest.h>

#include <vector>

#include "coordination/tv_channels.h"

namespace quorprog::coordination {
namespace {

constexpr Hertz kKhz = kHertzPerKhz;

TEST(DefaultSearchGrid, StaysAroundTheChannelsWithinTheGroupsGrid) {
    const ChannelGrid band{470000 * kKhz, 790000 * kKhz, 25 * kKhz};
    const std::vector<ExcludedRange> us{excludedTvChannel(*tvChannel(TvRegion::Us, 36)),
                                        excludedTvChannel(*tvChannel(TvRegion::Us, 37))};
    const struct {
        const char* name;
        std::vector<Hertz> channels;
        std::vector<ExcludedRange> tv;
        ChannelGrid expected;
    } rows[] = {
        {"OneTvChannel",
         {606000 * kKhz, 0, 607000 * kKhz},
         us,
         {602000 * kKhz, 608000 * kKhz, 25 * kKhz}},
        {"TwoTvChannels",
         {606000 * kKhz, 609000 * kKhz},
         us,
         {602000 * kKhz, 614000 * kKhz, 25 * kKhz}},
        {"NoRegion",
         {606010 * kKhz, 607000 * kKhz},
         {},
         {602025 * kKhz, 611000 * kKhz, 25 * kKhz}},  // onto the grid
        {"OutsideTheRegion", {700000 * kKhz}, us, {696000 * kKhz, 704000 * kKhz, 25 * kKhz}},
        {"AtTheBandsEdge", {471000 * kKhz}, {}, {470000 * kKhz, 475000 * kKhz, 25 * kKhz}},
        {"NoChannel", {0, 0}, us, band},
    };
    for (const auto& row : rows) {
        const ChannelGrid grid = defaultSearchGrid(row.channels, band, row.tv);
        EXPECT_EQ(grid.from, row.expected.from) << row.name;
        EXPECT_EQ(grid.to, row.expected.to) << row.name;
        EXPECT_EQ(grid.step, row.expected.step) << row.name;
    }
}

// A step that is no whole number of hertz (12 800 kHz / 1023): the points within stay exactly
// the grid's own.
TEST(DefaultSearchGrid, KeepsTheGridsOwnPointsOnAFractionalStep) {
    const ChannelGrid band{470000 * kKhz * 1023, 790000 * kKhz * 1023, 12800 * kKhz, 1023};
    const ChannelGrid within = gridWithin(band, 600000 * kKhz, 601000 * kKhz);
    ASSERT_GT(within.pointCount(), 0u);
    const size_t first = band.firstPointFrom(600000 * kKhz);
    for (size_t i = 0; i < within.pointCount(); ++i)
        EXPECT_EQ(within.point(i), band.point(first + i));
    EXPECT_GE(within.point(0), 600000 * kKhz);
    EXPECT_LE(within.point(within.pointCount() - 1), 601000 * kKhz);
    EXPECT_GT(band.point(first + within.pointCount()), 601000 * kKhz);
    EXPECT_EQ(gridWithin(band, 800000 * kKhz, 900000 * kKhz).pointCount(), 0u);
}

}  // namespace
}  // namespace quorprog::coordination
