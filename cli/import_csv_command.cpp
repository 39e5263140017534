#include <map>

#include "commands.h"
#include "coordination_options.h"
#include "files/file_bytes.h"
#include "group_step.h"
#include "plan_csv.h"
#include "plan_files.h"
#include "report.h"

namespace quorprog::cli {

using namespace coordination;

namespace {

// Why the line cannot go into the plan, or nothing. The step of a group is looked up only when
// one of its channels gets a frequency.
std::string refusal(const PlanCsvLine& line, const ChannelFile& plan, Hertz step) {
    const ChannelFileGroup& group = plan.groups[line.group];
    if (line.channel >= group.frequencies.size()) {
        return "group " + std::to_string(line.group) + " has no channel " +
               std::to_string(line.channel) + " (it has " +
               std::to_string(group.frequencies.size()) + ")";
    }
    if (line.frequency == 0) return {};
    if (line.frequency < Hertz{group.minFreq} * kHertzPerKhz ||
        line.frequency > Hertz{group.maxFreq} * kHertzPerKhz) {
        return khzText(line.frequency) + " kHz is outside the range of group " +
               std::to_string(line.group) + ", " + std::to_string(group.minFreq) + "-" +
               std::to_string(group.maxFreq) + " kHz";
    }
    if (line.frequency % step != 0) {
        return khzText(line.frequency) + " kHz is not on the " + khzText(step) +
               " kHz channel step of group " + std::to_string(line.group);
    }
    return {};
}

// The group's step in whole hertz: a frequency of the CSV is whole hertz and must be a multiple.
Hertz wholeHertzStep(const CliEnvironment& environment, const ChannelFile& plan, uint32_t group,
                     Hertz given) {
    const GroupStep step = channelFileStep(environment, plan, group, given);
    if (step.hertz % step.divisor != 0) {
        throw UsageError("the channel step of group " + std::to_string(group) +
                         " is no whole number of hertz: give it with --step KHZ");
    }
    return step.hertz / step.divisor;
}

}  // namespace

int runImportCsv(CliEnvironment& environment, CommandArguments& arguments) {
    const std::string into = arguments.option("--into");
    const std::string output = arguments.option("-o");
    const Hertz givenStep = khzOption(arguments, "--step", 0);
    const std::string path = arguments.operand("FILE.csv");
    arguments.finish();
    if (into.empty()) throw UsageError("import-csv: --into FILE.qvm missing");
    if (output.empty()) throw UsageError("import-csv: -o OUT.qvm missing");

    const auto bytes = readFileBytes(path);
    if (!bytes) return fail("cannot read " + path);
    const PlanCsvParse parse =
        parsePlanCsv(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!parse.error.empty()) return fail(path + ", " + parse.error);
    ChannelFile plan;
    if (const int status = readChannelFile(environment, into, plan); status != kSuccess)
        return status;

    std::map<uint32_t, Hertz> steps;
    for (const PlanCsvLine& line : parse.lines) {
        if (line.group >= plan.groups.size()) {
            return fail(path + ", line " + std::to_string(line.line) + ": " + into +
                        " has no group " + std::to_string(line.group));
        }
        Hertz step = 0;
        if (line.frequency > 0) {
            auto known = steps.find(line.group);
            if (known == steps.end()) {
                known = steps
                            .emplace(line.group,
                                     wholeHertzStep(environment, plan, line.group, givenStep))
                            .first;
            }
            step = known->second;
        }
        const std::string problem = refusal(line, plan, step);
        if (!problem.empty())
            return fail(path + ", line " + std::to_string(line.line) + ": " + problem);
    }
    for (const PlanCsvLine& line : parse.lines) {
        plan.groups[line.group].frequencies[line.channel] =
            static_cast<float>(khzOf(line.frequency));
    }
    return writeChannelFile(output, plan);
}

}  // namespace quorprog::cli
