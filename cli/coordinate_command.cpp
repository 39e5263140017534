#include <iostream>

#include "commands.h"
#include "conflict_text.h"
#include "coordination/group_coordination.h"
#include "coordination_options.h"
#include "group_step.h"
#include "json_writer.h"
#include "plan_files.h"
#include "report.h"

namespace quorprog::cli {

using namespace coordination;

namespace {

std::string shortfall(size_t found, size_t requested) {
    return "only " + std::to_string(found) + " of " + std::to_string(requested) +
           " compatible channels found";
}

Hertz requiredKhz(CommandArguments& arguments, const std::string& name) {
    if (!arguments.has(name)) throw UsageError("coordinate: " + name + " KHZ missing");
    return khzOption(arguments, name, 0);
}

// The bands of --only-tv, for the search alone: a channel outside them is no conflict of the
// kept channels, only no place for a new one.
std::vector<ExcludedRange> searchBands(const std::vector<TvChannel>& channels) {
    std::vector<ExcludedRange> bands;
    for (const TvChannel& channel : channels) bands.push_back(excludedTvChannel(channel));
    return bands;
}

// coordinate --from --to --step --count: frequencies on a grid of the technician's choosing;
// --only-tv stands for --from and --to when they are absent.
int coordinateGrid(CliEnvironment& environment, CommandArguments& arguments) {
    CoordinationOptions options = coordinationOptions(arguments);
    CoordinationRequest request;
    const bool tvBand = !options.onlyTv.empty();
    request.grid.from = tvBand ? khzOption(arguments, "--from", options.onlyTv.front().low)
                               : requiredKhz(arguments, "--from");
    request.grid.to = tvBand ? khzOption(arguments, "--to", options.onlyTv.back().high)
                             : requiredKhz(arguments, "--to");
    request.grid.step = requiredKhz(arguments, "--step");
    request.count = static_cast<size_t>(arguments.positiveOption("--count", 0));
    for (const std::string& text : arguments.options("--keep")) {
        const auto kept = parseKhz(text);
        if (!kept || *kept <= 0) throw UsageError("--keep wants a frequency in kHz, not " + text);
        request.keep.push_back(*kept);
    }
    const bool json = environment.options().json;
    arguments.finish();
    if (request.count == 0) throw UsageError("coordinate: --count N missing");
    // 0 kHz is how a plan says "no channel": a grid starting there would offer it as one.
    if (request.grid.from <= 0) throw UsageError("coordinate: --from must be above 0 kHz");
    if (request.grid.pointCount() == 0) {
        throw UsageError(
            "coordinate: --from up to --to in steps of --step must be a grid of 1 to " +
            std::to_string(ChannelGrid::kMaxPoints) + " frequencies");
    }
    if (request.keep.size() > request.count)
        throw UsageError("coordinate: more --keep frequencies than --count");
    if (const int status = readScanFiles(options); status != kSuccess) return status;
    request.rules = std::move(options.rules);
    request.onlyIn = searchBands(options.onlyTv);

    const CoordinationResult result = coordinate(request);
    for (const Conflict& conflict : result.keptConflicts)
        note("kept " + khzText(conflict.frequency) + " kHz: " + conflictText(conflict));
    if (json) {
        JsonWriter writer;
        writer.beginObject().beginArray("frequencies");
        for (const Hertz f : result.frequencies) writer.element(khzOf(f));
        writer.endArray()
            .value("requested", request.count)
            .value("found", result.frequencies.size())
            .endObject();
        std::cout << writer.text() << "\n";
    } else {
        for (const Hertz f : result.frequencies) std::cout << khzText(f) << "\n";
    }
    if (result.frequencies.size() >= request.count) return kSuccess;
    note(shortfall(result.frequencies.size(), request.count));
    return kDifferencesFound;
}

// coordinate FILE.qvm --group G -o OUT.qvm: one group of a plan made compatible.
int coordinatePlan(CliEnvironment& environment, CommandArguments& arguments) {
    const int group = groupOption(arguments, -1);
    const std::string output = arguments.option("-o");
    const Hertz givenStep = khzOption(arguments, "--step", 0);
    CoordinationOptions options = coordinationOptions(arguments);
    const bool json = environment.options().json;
    const std::string path = arguments.operand("FILE.qvm");
    arguments.finish();
    if (group < 0) throw UsageError("coordinate: --group G missing");
    if (output.empty()) throw UsageError("coordinate: -o OUT.qvm missing");
    if (const int status = readScanFiles(options); status != kSuccess) return status;

    ChannelFile plan;
    if (const int status = readChannelFile(environment, path, plan); status != kSuccess)
        return status;
    if (static_cast<size_t>(group) >= plan.groups.size()) {
        return fail(path + " has no group " + std::to_string(group) + " (it has " +
                    std::to_string(plan.groups.size()) + ")");
    }
    ChannelFileGroup& target = plan.groups[static_cast<size_t>(group)];
    if (const int status = refuseOversizedGroup(path, static_cast<size_t>(group),
                                                 target.frequencies.size());
        status != kSuccess)
        return status;
    const GroupStep step =
        channelFileStep(environment, plan, static_cast<uint32_t>(group), givenStep);
    const ChannelGrid grid = groupGrid(Hertz{target.minFreq} * kHertzPerKhz,
                                       Hertz{target.maxFreq} * kHertzPerKhz, step.hertz,
                                       step.divisor);
    if (grid.pointCount() == 0) {
        return fail(path + ": group " + std::to_string(group) + " has no channel grid in its range " +
                    std::to_string(target.minFreq) + "-" + std::to_string(target.maxFreq) +
                    " kHz on its channel step");
    }
    std::vector<Hertz> channels;
    for (const float f : target.frequencies) channels.push_back(channelHertz(f));

    const GroupCoordination result =
        makeGroupCompatible(channels, grid, options.rules, searchBands(options.onlyTv));
    if (!result.complete()) {
        note(shortfall(result.found, result.requested) + "; " + output + " not written");
        return kDifferencesFound;
    }
    JsonWriter writer;
    writer.beginObject().value("group", group).beginArray("changes");
    for (const size_t c : result.replaced) {
        char line[96];
        std::snprintf(line, sizeof line, "channel %02zX: %s -> %s kHz\n", c,
                      khzText(channels[c]).c_str(), khzText(result.frequencies[c]).c_str());
        if (!json) std::cout << line;
        writer.beginObject()
            .value("channel", c)
            .value("from", khzOf(channels[c]))
            .value("to", khzOf(result.frequencies[c]))
            .endObject();
        target.frequencies[c] = channelFileFrequency(grid, grid.nearestPoint(result.frequencies[c]));
    }
    writer.endArray().value("requested", result.requested).value("found", result.found);
    if (json) std::cout << writer.endObject().text() << "\n";
    return writeChannelFile(output, plan);
}

}  // namespace

int runCoordinate(CliEnvironment& environment, CommandArguments& arguments) {
    return arguments.has("--from") || arguments.has("--count")
               ? coordinateGrid(environment, arguments)
                                   : coordinatePlan(environment, arguments);
}

}  // namespace quorprog::cli
