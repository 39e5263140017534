#include "channels/group_coordination_inputs.h"

#include "channels/pll.h"
#include "coordination/group_coordination.h"

namespace quorprog {

using coordination::Hertz;
using coordination::kHertzPerKhz;

std::vector<Hertz> groupChannels(const ChannelTable& table, uint32_t p) {
    std::vector<Hertz> channels;
    for (const float frequency : table.Frequency[p])
        channels.push_back(coordination::channelHertz(frequency));
    return channels;
}

coordination::ChannelGrid groupChannelGrid(const ChannelTable& table, uint32_t p) {
    if (table.FrequencyCount[p] == 0 || table.R[p].empty()) return {};
    // XTAL × Multiplier ÷ R kHz exactly: XTAL × Multiplier × 1000 in 1/R hertz. Each factor is a
    // 32-bit number, so the product cannot leave 64 bits.
    const Hertz r = table.R[p][0];
    const Hertz xtal = table.XTAL[p];
    const Hertz multiplier = table.Multiplier[p];
    if (r <= 0 || xtal <= 0 || multiplier <= 0) return {};
    return coordination::groupGrid(Hertz{table.MinFreq[p]} * kHertzPerKhz,
                                   Hertz{table.MaxFreq[p]} * kHertzPerKhz,
                                   xtal * multiplier * kHertzPerKhz, r);
}

float groupGridFrequency(const ChannelTable& table, uint32_t p,
                         const coordination::ChannelGrid& grid, Hertz frequency) {
    if (grid.pointCount() == 0) return 0.0f;
    // The grid starts on a multiple of the step, so `from / step` is the first point's multiple.
    const Hertz multiple = grid.from / grid.step + static_cast<Hertz>(grid.nearestPoint(frequency));
    return gridPoint(static_cast<double>(multiple), channelStep(table, p, 0));
}

std::optional<coordination::ReceiverImage> groupReceiverImage(const ChannelTable& table,
                                                              uint32_t p) {
    if (table.IsReceiver[p] != 1 || table.IF[p] <= 0) return std::nullopt;
    return coordination::ReceiverImage{Hertz{table.IF[p]} * kHertzPerKhz, table.OSCoverRF[p] == 1};
}

}  // namespace quorprog
