#include "coordination/tv_channels.h"

#include <algorithm>
#include <charconv>

namespace quorprog::coordination {

namespace {

constexpr Hertz kMhz = 1000 * kHertzPerKhz;

struct TvPlan {
    TvRegion region;
    std::string_view name;
    int first;
    int last;
    Hertz width;
};

constexpr TvPlan kPlans[] = {
    {TvRegion::Eu, "eu", 21, 69, 8 * kMhz},
    {TvRegion::Us, "us", 14, 51, 6 * kMhz},
};
// Both plans start their first channel here.
constexpr Hertz kPlanStart = 470 * kMhz;

const TvPlan& planOf(TvRegion region) {
    return kPlans[static_cast<int>(region)];
}

std::optional<int> channelNumber(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

}  // namespace

std::string_view tvRegionName(TvRegion region) {
    return planOf(region).name;
}

std::optional<TvRegion> tvRegionNamed(std::string_view name) {
    for (const TvPlan& plan : kPlans) {
        if (plan.name == name) return plan.region;
    }
    return std::nullopt;
}

int firstTvChannel(TvRegion region) {
    return planOf(region).first;
}

int lastTvChannel(TvRegion region) {
    return planOf(region).last;
}

std::optional<TvChannel> tvChannel(TvRegion region, int number) {
    const TvPlan& plan = planOf(region);
    if (number < plan.first || number > plan.last) return std::nullopt;
    const Hertz low = kPlanStart + plan.width * (number - plan.first);
    return TvChannel{region, number, low, low + plan.width};
}

std::string tvChannelLabel(const TvChannel& channel) {
    return "TV channel " + std::to_string(channel.number) + " (" +
           std::string(tvRegionName(channel.region)) + ")";
}

TvChannelList parseTvChannels(std::string_view text) {
    const size_t colon = text.find(':');
    const std::optional<TvRegion> region =
        colon == std::string_view::npos ? std::nullopt : tvRegionNamed(text.substr(0, colon));
    if (!region) return {{}, "wants REGION:LIST with the region eu or us"};
    const TvPlan& plan = planOf(*region);
    const std::string range = std::to_string(plan.first) + " to " + std::to_string(plan.last);

    std::vector<int> numbers;
    std::string_view list = text.substr(colon + 1);
    while (true) {
        const size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        const size_t dash = item.find('-');
        const std::optional<int> first = channelNumber(item.substr(0, dash));
        const std::optional<int> last =
            dash == std::string_view::npos ? first : channelNumber(item.substr(dash + 1));
        if (!first || !last || *last < *first) {
            return {{}, "wants channel numbers like 21,23,30-35, not \"" + std::string(item) +
                            "\""};
        }
        if (*first < plan.first || *last > plan.last) {
            return {{}, "channel " + std::string(item) + " is out of range: the " +
                            std::string(plan.name) + " channels are " + range};
        }
        for (int n = *first; n <= *last; ++n) numbers.push_back(n);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    TvChannelList result;
    for (const int n : numbers) result.channels.push_back(*tvChannel(*region, n));
    return result;
}

ExcludedRange excludedTvChannel(const TvChannel& channel) {
    return {channel.low, channel.high, tvChannelLabel(channel)};
}

}  // namespace quorprog::coordination
