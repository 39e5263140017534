#pragma once

#include <optional>
#include <cstdint>
#include <string>
#include <vector>

#include "cli_environment.h"
#include "coordination/coordination_rules.h"
#include "files/channel_file.h"

namespace quorprog::cli {

// A channel plan from whichever file the technician has: a channel file, a raw device image
// (identified with the description) or a plan CSV.
struct PlanSource {
    ChannelFile plan;
    // Per group, the receiver image to check: only a raw image knows a receiver's IF and
    // oscillator side; channel files and CSV files check no image.
    std::vector<std::optional<coordination::ReceiverImage>> images;
};

// The kind is told by the content: "QVM00" opens a channel file; a name ending in ".csv" or a
// first field "group" a plan CSV (whose faults are then told as CSV faults); anything else is
// taken as a raw image. kSuccess, or kFailed once reported.
int readPlanSource(CliEnvironment& environment, const std::string& path, PlanSource& source);

// The plan of a plan CSV's bytes; kSuccess, or kFailed once what is wrong with the CSV (its line
// and column) is reported.
int readPlanCsv(const std::string& path, const std::vector<uint8_t>& bytes, ChannelFile& plan);

}  // namespace quorprog::cli
