#include "channels/group_coordination_inputs.h"

#include <cmath>

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
    if (table.FrequencyCount[p] == 0) return {};
    const double stepHertz = static_cast<double>(channelStep(table, p, 0)) * kHertzPerKhz;
    const Hertz step = std::llround(stepHertz);
    if (step <= 0 || std::fabs(stepHertz - static_cast<double>(step)) > 1e-6) return {};
    return coordination::groupGrid(Hertz{table.MinFreq[p]} * kHertzPerKhz,
                                   Hertz{table.MaxFreq[p]} * kHertzPerKhz, step);
}

std::optional<coordination::ReceiverImage> groupReceiverImage(const ChannelTable& table,
                                                              uint32_t p) {
    if (table.IsReceiver[p] != 1 || table.IF[p] <= 0) return std::nullopt;
    return coordination::ReceiverImage{Hertz{table.IF[p]} * kHertzPerKhz, table.OSCoverRF[p] == 1};
}

}  // namespace quorprog
