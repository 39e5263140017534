#pragma once

#include <span>

#include "coordination/channel_grid.h"
#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// How far the default search reaches beyond the group's channels when no TV channel holds them.
inline constexpr Hertz kSearchSpanMargin = 4000 * kHertzPerKhz;

// The points of the grid from low to high, both included, as a grid of their own (empty when
// none lies there).
ChannelGrid gridWithin(const ChannelGrid& grid, Hertz low, Hertz high);

// Where "make compatible" searches unless told otherwise: around the group's channels, not its
// whole range, so that channels stay near where the technician put them. The span of the
// channels with a frequency, each end widened to the TV channel (of `tvChannels`, the region's
// table) that holds it, or by kSearchSpanMargin where none does; within the group's grid and on
// it. The whole grid when no channel has a frequency.
ChannelGrid defaultSearchGrid(std::span<const Hertz> channels, const ChannelGrid& grid,
                              std::span<const ExcludedRange> tvChannels);

}  // namespace quorprog::coordination
