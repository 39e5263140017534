#pragma once

#include <cstdint>

#include "channels/channel_table.h"
#include "description/memory_map.h"

namespace quorprog {

// What one click of the grid's arrows does to a channel.
struct ChannelStepping {
    enum class Outcome {
        NotSteppable,  // no divider, no step, no prescaler or an empty channel: nothing, silently
        OutOfRange,    // the next grid point lies outside MinFreq .. MaxFreq: beep, no change
        Stepped,       // frequency and counters below are the channel's new values
    };
    Outcome outcome = Outcome::NotSteppable;
    float frequency = 0.0f;  // kHz
    uint32_t n = 0;
    uint32_t a = 0;
};

// One channel step up (direction > 0) or down (direction < 0) from the grid point at or below
// the channel's frequency: an off-grid frequency goes up to the next grid point above it, and
// down to one step below the grid point beneath it. Only computes; the table is not changed.
ChannelStepping nextChannelStep(const ChannelTable& table, uint32_t p, uint32_t c, int direction);

// Applies nextChannelStep: the new frequency into the table and its N and A counters through the
// memory map ("Partition%d.N%d", "Partition%d.A%d"). Returns what happened.
ChannelStepping::Outcome stepChannelFrequency(ChannelTable& table, MemoryMap& map, uint32_t p,
                                              uint32_t c, int direction);

}  // namespace quorprog
