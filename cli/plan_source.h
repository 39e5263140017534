#pragma once

#include <optional>
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

// The kind is told by the content: "QVM00" opens a channel file, the CSV header line a plan CSV,
// anything else is taken as a raw image. kSuccess, or kFailed once reported.
int readPlanSource(CliEnvironment& environment, const std::string& path, PlanSource& source);

}  // namespace quorprog::cli
