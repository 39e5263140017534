#include <cstdint>
#include <cstdio>
#include <iostream>

#include "commands.h"
#include "conflict_text.h"
#include "coordination/compatibility_check.h"
#include "coordination_options.h"
#include "json_writer.h"
#include "plan_source.h"
#include "report.h"

namespace quorprog::cli {

using namespace coordination;

namespace {

// Text output lists this many conflicts of a channel unless --all; the rest are counted.
constexpr size_t kConflictsListedPerChannel = 10;

std::string channelName(size_t channel) {
    char name[24];
    std::snprintf(name, sizeof name, "%02zX", channel);
    return name;
}

std::string conflictLine(const Conflict& conflict) {
    return "  channel " + channelName(conflict.channel) + " at " + khzText(conflict.frequency) +
           " kHz: " + conflictText(conflict) + "\n";
}

// The conflicts of a group as they are reported: every one for JSON and --all, otherwise the
// first few of each channel and how many more it has, so that a dense group cannot take the
// memory.
struct GroupCheck {
    size_t group = 0;
    size_t total = 0;
    std::vector<Conflict> conflicts;              // those reported
    std::vector<std::pair<size_t, size_t>> more;  // channel, conflicts left out of the text

    bool compatible() const { return total == 0; }
};

GroupCheck checkGroup(size_t group, const std::vector<Hertz>& channels,
                      const CoordinationRules& rules, bool everyConflict) {
    GroupCheck check{group, 0, {}, {}};
    size_t channel = SIZE_MAX;  // conflicts come channel by channel
    size_t ofChannel = 0;
    visitConflicts(channels, rules, [&](Conflict&& conflict) {
        ++check.total;
        if (conflict.channel != channel) channel = conflict.channel, ofChannel = 0;
        if (everyConflict || ++ofChannel <= kConflictsListedPerChannel) {
            check.conflicts.push_back(std::move(conflict));
        } else if (!check.more.empty() && check.more.back().first == channel) {
            ++check.more.back().second;
        } else {
            check.more.emplace_back(channel, 1);
        }
    });
    return check;
}

std::string checkText(const std::vector<GroupCheck>& checks) {
    std::string out;
    for (const GroupCheck& check : checks) {
        const size_t count = check.total;
        out += "Group " + std::to_string(check.group) + ": " +
               (count == 0 ? std::string("compatible")
                           : std::to_string(count) + (count == 1 ? " conflict" : " conflicts")) +
               "\n";
        auto more = check.more.begin();
        for (size_t i = 0; i < check.conflicts.size(); ++i) {
            const Conflict& conflict = check.conflicts[i];
            out += conflictLine(conflict);
            const bool lastOfChannel = i + 1 == check.conflicts.size() ||
                                       check.conflicts[i + 1].channel != conflict.channel;
            if (lastOfChannel && more != check.more.end() && more->first == conflict.channel) {
                out += "  channel " + channelName(conflict.channel) + ": " +
                       std::to_string(more->second) + " more (--all lists every conflict)\n";
                ++more;
            }
        }
    }
    return out;
}

std::string checkJson(const std::vector<GroupCheck>& checks) {
    JsonWriter json;
    json.beginObject().beginArray("groups");
    for (const GroupCheck& check : checks) {
        json.beginObject()
            .value("group", check.group)
            .value("compatible", check.compatible())
            .beginArray("conflicts");
        for (const Conflict& conflict : check.conflicts) {
            json.beginObject()
                .value("channel", conflict.channel)
                .value("frequency", khzOf(conflict.frequency))
                .value("kind", conflictKindName(conflict.kind))
                .beginArray("sources");
            for (const Hertz source : conflict.sources) json.element(khzOf(source));
            json.endArray()
                .value("product", khzOf(conflict.product))
                .value("distance", khzOf(conflict.distance))
                .endObject();
        }
        json.endArray().endObject();
    }
    return json.endArray().endObject().text() + "\n";
}

}  // namespace

int runCheck(CliEnvironment& environment, CommandArguments& arguments) {
    const int onlyGroup = groupOption(arguments, -1);
    CoordinationOptions options = coordinationOptions(arguments);
    const bool json = environment.options().json;
    const bool everyConflict = arguments.flag("--all") || json;
    const std::string path = arguments.operand("SOURCE");
    arguments.finish();
    if (const int status = readScanFiles(options); status != kSuccess) return status;
    CoordinationRules& rules = options.rules;
    for (ExcludedRange& outside : outsideTvChannels(options.onlyTv))
        rules.excluded.push_back(std::move(outside));

    PlanSource source;
    if (const int status = readPlanSource(environment, path, source); status != kSuccess)
        return status;
    const size_t groups = source.plan.groups.size();
    if (onlyGroup >= 0 && static_cast<size_t>(onlyGroup) >= groups) {
        return fail(path + " has no group " + std::to_string(onlyGroup) + " (it has " +
                    std::to_string(groups) + ")");
    }

    std::vector<GroupCheck> checks;
    bool compatible = true;
    for (size_t p = 0; p < groups; ++p) {
        if (onlyGroup >= 0 && p != static_cast<size_t>(onlyGroup)) continue;
        if (const int status =
                refuseOversizedGroup(path, p, source.plan.groups[p].frequencies.size());
            status != kSuccess)
            return status;
        std::vector<Hertz> channels;
        for (const float f : source.plan.groups[p].frequencies)
            channels.push_back(channelHertz(f));
        CoordinationRules groupRules = rules;
        groupRules.image = source.images[p];
        checks.push_back(checkGroup(p, channels, groupRules, everyConflict));
        compatible = compatible && checks.back().compatible();
    }
    std::cout << (json ? checkJson(checks) : checkText(checks));
    return compatible ? kSuccess : kDifferencesFound;
}

}  // namespace quorprog::cli
