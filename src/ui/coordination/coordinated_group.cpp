#include "ui/coordination/coordinated_group.h"

#include <algorithm>

#include "coordination/compatibility_check.h"

namespace quorprog {

std::vector<coordination::TvChannel> CoordinationChoices::tvChannels() const {
    std::vector<coordination::TvChannel> channels;
    if (!tvRegion) return channels;
    std::vector<int> numbers = tvTicked;
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    for (const int number : numbers) {
        if (const auto channel = coordination::tvChannel(*tvRegion, number))
            channels.push_back(*channel);
    }
    return channels;
}

coordination::CoordinationRules groupRules(const CoordinatedGroup& group) {
    const CoordinationChoices& choices = group.choices;
    coordination::CoordinationRules rules;
    rules.guards = choices.guards;
    rules.image = group.image;
    rules.window = choices.window;
    if (!choices.tvSearchIn) {
        for (const coordination::TvChannel& tv : choices.tvChannels())
            rules.excluded.push_back(coordination::excludedTvChannel(tv));
    }
    rules.occupied = coordination::occupiedFrequencies(choices.scan, choices.threshold);
    rules.scanGuard = choices.scanGuard;
    return rules;
}

std::optional<coordination::SpectrumModel> groupSpectrum(const CoordinatedGroup& group) {
    if (group.channels.size() > coordination::SpectrumModel::kMaxChannels) return std::nullopt;
    const coordination::CoordinationRules rules = groupRules(group);
    const std::vector<coordination::Conflict> conflicts =
        coordination::conflictsToShow(group.channels, rules);
    std::vector<coordination::TvChannel> searched;
    if (group.choices.tvSearchIn) searched = group.choices.tvChannels();
    std::optional<double> threshold;
    if (!group.choices.scan.empty()) threshold = group.choices.threshold;
    return coordination::SpectrumModel::build(
        {group.channels, rules, conflicts, std::move(searched), group.choices.scan, threshold});
}

}  // namespace quorprog
