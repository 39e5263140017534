#include "channels/channel_step.h"

#include <cmath>

#include "channels/partition_keys.h"

namespace quorprog {
namespace {

// The divider count the loop needs for frequency f on the given step; none when the count cannot
// be set in the counters (a receiver oscillator below 0 or beyond 32 bits).
bool loopCount(const ChannelTable& table, uint32_t p, float f, float step, int64_t gridPoint,
               uint32_t& count) {
    if (!table.IsReceiver[p]) {
        count = static_cast<uint32_t>(gridPoint);
        return true;
    }
    const auto intermediate = static_cast<float>(table.IF[p]);
    const float oscillator = table.OSCoverRF[p] ? f + intermediate : f - intermediate;
    const float ratio = std::trunc(oscillator / step);
    if (!(ratio >= 0.0f) || ratio >= 4294967296.0f) return false;
    count = static_cast<uint32_t>(ratio);
    return true;
}

}  // namespace

float channelStep(const ChannelTable& table, uint32_t p, uint32_t c) {
    const int32_t r = table.R[p][c];
    if (r == 0) return 0.0f;
    return static_cast<float>(table.Multiplier[p]) *
           (static_cast<float>(table.XTAL[p]) / static_cast<float>(r));
}

ChannelStepping nextChannelStep(const ChannelTable& table, uint32_t p, uint32_t c, int direction) {
    using Outcome = ChannelStepping::Outcome;
    ChannelStepping stepping;
    if (!table.hasPartition(p) || c >= table.Frequency[p].size() || direction == 0) {
        return stepping;
    }
    const float frequency = table.Frequency[p][c];
    const float step = channelStep(table, p, c);
    if (table.R[p][c] == 0 || !(step > 0.0f) || !(frequency > 0.0f) || table.Prescaler[p] == 0) {
        return stepping;
    }

    const auto gridPoint = static_cast<int64_t>(std::trunc(frequency / step));
    const int64_t next = gridPoint + (direction > 0 ? 1 : -1);
    const float stepped = static_cast<float>(next) * step;
    uint32_t count = 0;
    if (static_cast<double>(stepped) < table.MinFreq[p] ||
        static_cast<double>(stepped) > table.MaxFreq[p] ||
        !loopCount(table, p, stepped, step, next, count)) {
        stepping.outcome = Outcome::OutOfRange;
        return stepping;
    }
    const auto prescaler = static_cast<uint32_t>(table.Prescaler[p]);
    stepping.outcome = Outcome::Stepped;
    stepping.frequency = stepped;
    stepping.n = count / prescaler;
    stepping.a = count % prescaler;
    return stepping;
}

ChannelStepping::Outcome stepChannelFrequency(ChannelTable& table, MemoryMap& map, uint32_t p,
                                              uint32_t c, int direction) {
    const ChannelStepping stepping = nextChannelStep(table, p, c, direction);
    if (stepping.outcome != ChannelStepping::Outcome::Stepped) return stepping.outcome;
    table.Frequency[p][c] = stepping.frequency;
    map.WriteMapValue(partitionKey(p, "N", c), static_cast<int32_t>(stepping.n));
    map.WriteMapValue(partitionKey(p, "A", c), static_cast<int32_t>(stepping.a));
    return stepping.outcome;
}

}  // namespace quorprog
