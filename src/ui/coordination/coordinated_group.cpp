#include "ui/coordination/coordinated_group.h"

#include "coordination/compatibility_check.h"

namespace quorprog {

std::optional<coordination::SpectrumModel> groupSpectrum(const CoordinatedGroup& group) {
    if (group.channels.size() + group.rules.onSite.size() >
        coordination::SpectrumModel::kMaxSources)
        return std::nullopt;
    const std::vector<coordination::Conflict> conflicts =
        coordination::findConflicts(group.channels, group.rules);
    return coordination::SpectrumModel::build(
        {group.channels, group.rules, conflicts, group.tvChannels, group.scan, group.threshold});
}

}  // namespace quorprog
