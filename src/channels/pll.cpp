#include "channels/pll.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "channels/partition_keys.h"

namespace quorprog {
namespace {

// 32-bit products wrap; unsigned arithmetic gives the same bits without signed overflow.
int32_t wrappingMultiply(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

int32_t wrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

enum class ChannelOutcome { Exact, Snapped, Skipped, Cleared, NoDivider };

ChannelOutcome clearChannel(ChannelTable& table, MemoryMap& map, uint32_t p, uint32_t c) {
    table.Frequency[p][c] = 0.0f;
    writeChannelCounters(map, p, c, 0, 0);
    return ChannelOutcome::Cleared;
}

ChannelOutcome encodeChannel(ChannelTable& table, MemoryMap& map, uint32_t p, uint32_t c) {
    float& frequency = table.Frequency[p][c];
    // Written as "inside the range" so that a frequency that is not a number is cleared too.
    const bool inRange = static_cast<double>(frequency) >= table.MinFreq[p] &&
                         static_cast<double>(frequency) <= table.MaxFreq[p];
    if (!inRange) return clearChannel(table, map, p, c);

    if (table.R[p][c] == 0) return ChannelOutcome::NoDivider;
    const auto prescaler = static_cast<uint32_t>(table.Prescaler[p]);
    const float step = channelStep(table, p, c);
    if (step == 0.0f || frequency <= 0.0f || prescaler == 0) return ChannelOutcome::Skipped;

    // Snap down to the step below, never to the nearer one.
    const double steps = gridPointBelow(frequency, step);
    ChannelOutcome outcome = ChannelOutcome::Exact;
    if (const float snapped = gridPoint(steps, step); snapped != frequency) {
        frequency = snapped;
        outcome = ChannelOutcome::Snapped;
    }
    auto ratio = static_cast<float>(steps);

    if (table.IsReceiver[p]) {
        const double intermediate = table.IF[p];
        const auto oscillator = static_cast<float>(table.OSCoverRF[p] ? frequency + intermediate
                                                                      : frequency - intermediate);
        ratio = static_cast<float>(static_cast<double>(oscillator) / step);
    }
    const std::optional<uint32_t> count = loopCount(ratio);
    if (!count) return clearChannel(table, map, p, c);
    writeChannelCounters(map, p, c, *count / prescaler, *count % prescaler);
    return outcome;
}

}  // namespace

float channelStep(const ChannelTable& table, uint32_t p, uint32_t c) {
    const auto r = static_cast<uint32_t>(table.R[p][c]);
    if (r == 0) return 0.0f;
    const auto xtal = static_cast<uint32_t>(table.XTAL[p]);
    const auto multiplier = static_cast<uint32_t>(table.Multiplier[p]);
    return static_cast<float>(static_cast<double>(xtal) / r * multiplier);
}

float gridPoint(double k, float step) {
    return static_cast<float>(k * step);
}

double gridPointBelow(float frequency, float step) {
    const auto ratio = static_cast<float>(static_cast<double>(frequency) / step);
    const double below = std::trunc(static_cast<double>(ratio));
    return gridPoint(below + 1, step) == frequency ? below + 1 : below;
}

std::optional<uint32_t> loopCount(float ratio) {
    if (!(ratio >= 0.0f) || ratio >= 4294967296.0f) return std::nullopt;
    return static_cast<uint32_t>(ratio);
}

void writeChannelCounters(MemoryMap& map, uint32_t p, uint32_t c, uint32_t n, uint32_t a) {
    map.WriteMapValue(partitionKey(p, "N", c), static_cast<int32_t>(n));
    map.WriteMapValue(partitionKey(p, "A", c), static_cast<int32_t>(a));
}

double ComputeChannelFrequency(int32_t n, int32_t a, const PllParameters& pll) {
    if (pll.r == 0) return 0.0;
    const int32_t reference = wrappingMultiply(pll.xtal, pll.multiplier);
    const int32_t division = wrappingAdd(a, wrappingMultiply(n, pll.prescaler));
    const double oscillator = static_cast<double>(reference) / pll.r * division;
    if (!pll.isReceiver) return oscillator;
    return pll.oscOverRf ? oscillator - pll.intermediate : oscillator + pll.intermediate;
}

PllParameters pllOfChannel(const ChannelTable& table, uint32_t p, uint32_t c) {
    return PllParameters{table.XTAL[p],          table.R[p][c], table.Multiplier[p],
                         table.Prescaler[p],     table.IF[p],   table.IsReceiver[p] != 0,
                         table.OSCoverRF[p] != 0};
}

int32_t EncodeChannelFrequencies(ChannelTable& table, MemoryMap& map, int32_t p, int32_t c) {
    if (!table.hasPartition(p)) return kEncodeFailed;
    const auto partition = static_cast<uint32_t>(p);
    const auto channels = static_cast<int64_t>(
        std::min<size_t>(table.FrequencyCount[partition], table.Frequency[partition].size()));
    if (c < -1 || c >= channels) return kEncodeFailed;

    const int64_t first = c == -1 ? 0 : c;
    const int64_t end = c == -1 ? channels : c + 1;
    int32_t result = kEncodeExact;
    for (int64_t channel = first; channel < end; ++channel) {
        switch (encodeChannel(table, map, partition, static_cast<uint32_t>(channel))) {
            case ChannelOutcome::NoDivider:
                return kEncodeFailed;
            case ChannelOutcome::Cleared:
                result = kEncodeFailed;
                break;
            case ChannelOutcome::Snapped:
                if (result == kEncodeExact) result = kEncodeSnapped;
                break;
            case ChannelOutcome::Exact:
            case ChannelOutcome::Skipped:
                break;
        }
    }
    return result;
}

}  // namespace quorprog
