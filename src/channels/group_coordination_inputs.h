#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "channels/channel_table.h"
#include "coordination/coordinate.h"

namespace quorprog {

// What coordination needs to know of partition p of the table.

// The channel frequencies in hertz; 0 for a channel without a frequency.
std::vector<coordination::Hertz> groupChannels(const ChannelTable& table, uint32_t p);

// The frequencies the group can tune: multiples of the step of channel 0 (the step that stands
// for the group), exact even when the step is no whole number of hertz, from MinFreq to
// MaxFreq. Empty when the group has no channel or no divider.
coordination::ChannelGrid groupChannelGrid(const ChannelTable& table, uint32_t p);

// What the table stores for the grid point nearest `frequency` of a grid of groupChannelGrid:
// the float the arrows and the encoding put on that multiple of the step, so that the encoding
// keeps the point; 0 (no frequency) on an empty grid.
float groupGridFrequency(const ChannelTable& table, uint32_t p,
                         const coordination::ChannelGrid& grid, coordination::Hertz frequency);

// The image a receiver group with an IF above 0 also receives; nothing for a transmitter.
std::optional<coordination::ReceiverImage> groupReceiverImage(const ChannelTable& table,
                                                              uint32_t p);

}  // namespace quorprog
