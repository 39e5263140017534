#pragma once

#include <cstdint>

#include "channels/channel_table.h"
#include "description/memory_map.h"

namespace quorprog {

// Stores one group of the channel table into the memory image, as opening a channel file does
// for the group on display: every channel's frequency as N and A counters
// (EncodeChannelFrequencies, with its range check and snapping to the channel step), then every
// channel's subtone code under "Partition%d.Sub%d" (code 0 for a position outside the group's
// subtone list). The result is that of the frequency encoding (EncodeResult).
int32_t encodeGroup(ChannelTable& table, MemoryMap& map, uint32_t partition);

}  // namespace quorprog
