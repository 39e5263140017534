#include <iostream>

#include "commands.h"
#include "coordination/compatibility_check.h"
#include "coordination_options.h"
#include "json_writer.h"
#include "plan_source.h"
#include "report.h"

namespace quorprog::cli {

using namespace coordination;

namespace {

struct GroupCheck {
    size_t group = 0;
    std::vector<Conflict> conflicts;
};

std::string khzList(const std::vector<Hertz>& frequencies) {
    std::string text;
    for (const Hertz f : frequencies) text += (text.empty() ? "" : ", ") + khzText(f);
    return text;
}

std::string conflictLine(const Conflict& conflict) {
    char channel[16];
    std::snprintf(channel, sizeof channel, "%02zX", conflict.channel);
    std::string line = "  channel " + std::string(channel) + " at " + khzText(conflict.frequency) +
                       " kHz: " + std::string(conflictKindName(conflict.kind));
    switch (conflict.kind) {
        case ConflictKind::Excluded:
            return line + " range " + khzText(conflict.sources[0]) + "-" +
                   khzText(conflict.sources[1]) + " kHz" +
                   (conflict.label.empty() ? "" : " (" + conflict.label + ")") + "\n";
        case ConflictKind::Scan:
            return line + " occupied at " + khzText(conflict.product) + " kHz, " +
                   khzText(conflict.distance) + " kHz away\n";
        case ConflictKind::Spacing:
            return line + " from " + khzList(conflict.sources) + " kHz, " +
                   khzText(conflict.distance) + " kHz away\n";
        case ConflictKind::Image:
            return line + " at " + khzText(conflict.product) + " kHz, " +
                   khzText(conflict.distance) + " kHz from " + khzList(conflict.sources) + " kHz\n";
        default:
            return line + " of " + khzList(conflict.sources) + " kHz at " +
                   khzText(conflict.product) + " kHz, " + khzText(conflict.distance) +
                   " kHz away\n";
    }
}

std::string checkText(const std::vector<GroupCheck>& checks) {
    std::string out;
    for (const GroupCheck& check : checks) {
        const size_t count = check.conflicts.size();
        out += "Group " + std::to_string(check.group) + ": " +
               (count == 0 ? std::string("compatible")
                           : std::to_string(count) + (count == 1 ? " conflict" : " conflicts")) +
               "\n";
        for (const Conflict& conflict : check.conflicts) out += conflictLine(conflict);
    }
    return out;
}

std::string checkJson(const std::vector<GroupCheck>& checks) {
    JsonWriter json;
    json.beginObject().beginArray("groups");
    for (const GroupCheck& check : checks) {
        json.beginObject()
            .value("group", check.group)
            .value("compatible", check.conflicts.empty())
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
    const CoordinationRules rules = coordinationRules(arguments);
    const bool json = environment.options().json;
    const std::string path = arguments.operand("SOURCE");
    arguments.finish();

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
        std::vector<Hertz> channels;
        for (const float f : source.plan.groups[p].frequencies)
            channels.push_back(channelHertz(f));
        CoordinationRules groupRules = rules;
        groupRules.image = source.images[p];
        checks.push_back({p, findConflicts(channels, groupRules)});
        compatible = compatible && checks.back().conflicts.empty();
    }
    std::cout << (json ? checkJson(checks) : checkText(checks));
    return compatible ? kSuccess : kDifferencesFound;
}

}  // namespace quorprog::cli
