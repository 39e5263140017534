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
// for the group) from MinFreq to MaxFreq. Empty when the group has no channel, no divider or a
// step that is not a whole number of hertz (its multiples would not be exact).
coordination::ChannelGrid groupChannelGrid(const ChannelTable& table, uint32_t p);

// The image a receiver group with an IF above 0 also receives; nothing for a transmitter.
std::optional<coordination::ReceiverImage> groupReceiverImage(const ChannelTable& table,
                                                              uint32_t p);

}  // namespace quorprog
