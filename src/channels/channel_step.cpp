#include "channels/channel_step.h"

#include <cmath>
#include <optional>

#include "channels/pll.h"

namespace quorprog {
namespace {

// The divider count the loop needs for grid point `point` at frequency f on the given step:
// the grid point itself for a transmitter, the oscillator's whole steps for a receiver. The
// oscillator is formed in single precision like the step, and the ratio is truncated before the
// range check, so an oscillator less than one step below 0 counts 0 here where the encoding
// refuses it.
std::optional<uint32_t> steppedCount(const ChannelTable& table, uint32_t p, float f, float step,
                                     int64_t point) {
    if (!table.IsReceiver[p]) return static_cast<uint32_t>(point);
    const auto intermediate = static_cast<float>(table.IF[p]);
    const float oscillator = table.OSCoverRF[p] ? f + intermediate : f - intermediate;
    return loopCount(std::trunc(oscillator / step));
}

}  // namespace

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

    const auto next =
        static_cast<int64_t>(gridPointBelow(frequency, step)) + (direction > 0 ? 1 : -1);
    const float stepped = gridPoint(static_cast<double>(next), step);
    const std::optional<uint32_t> count = steppedCount(table, p, stepped, step, next);
    if (static_cast<double>(stepped) < table.MinFreq[p] ||
        static_cast<double>(stepped) > table.MaxFreq[p] || !count) {
        stepping.outcome = Outcome::OutOfRange;
        return stepping;
    }
    const auto prescaler = static_cast<uint32_t>(table.Prescaler[p]);
    stepping.outcome = Outcome::Stepped;
    stepping.frequency = stepped;
    stepping.n = *count / prescaler;
    stepping.a = *count % prescaler;
    return stepping;
}

ChannelStepping::Outcome stepChannelFrequency(ChannelTable& table, MemoryMap& map, uint32_t p,
                                              uint32_t c, int direction) {
    const ChannelStepping stepping = nextChannelStep(table, p, c, direction);
    if (stepping.outcome != ChannelStepping::Outcome::Stepped) return stepping.outcome;
    table.Frequency[p][c] = stepping.frequency;
    writeChannelCounters(map, p, c, stepping.n, stepping.a);
    return stepping.outcome;
}

}  // namespace quorprog
