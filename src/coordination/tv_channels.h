#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// The UHF television channel plans: "eu" (8 MHz channels 21 to 69 from 470 MHz) and "us"
// (6 MHz channels 14 to 51 from 470 MHz).
enum class TvRegion { Eu, Us };

struct TvChannel {
    TvRegion region = TvRegion::Eu;
    int number = 0;
    Hertz low = 0;   // both ends belong to the channel
    Hertz high = 0;

    friend bool operator==(const TvChannel&, const TvChannel&) = default;
};

std::string_view tvRegionName(TvRegion region);
std::optional<TvRegion> tvRegionNamed(std::string_view name);

// The lowest and the highest channel number of the region's plan.
int firstTvChannel(TvRegion region);
int lastTvChannel(TvRegion region);

// Channel `number` of the region; nothing outside its plan.
std::optional<TvChannel> tvChannel(TvRegion region, int number);

// "TV channel 21 (eu)": how messages and pictures name a channel.
std::string tvChannelLabel(const TvChannel& channel);

// The channels of "REGION:LIST", LIST like "21,23,30-35", ascending, each once; or why the text
// is no such list.
struct TvChannelList {
    std::vector<TvChannel> channels;
    std::string error;

    bool ok() const { return error.empty(); }
};
TvChannelList parseTvChannels(std::string_view text);

// A TV channel as a range no channel may use, labelled with its name.
ExcludedRange excludedTvChannel(const TvChannel& channel);

}  // namespace quorprog::coordination
