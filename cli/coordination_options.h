#pragma once

#include <string>
#include <vector>

#include "command_line.h"
#include "coordination/coordination_rules.h"
#include "coordination/tv_channels.h"

namespace quorprog::cli {

// A device holds no larger group; a file that claims one is refused before its products, which
// grow with the cube of the channels, are counted.
inline constexpr size_t kMaxGroupChannels = 1024;

// kSuccess, or kFailed once it said that group `group` of `path` has more channels than that.
int refuseOversizedGroup(const std::string& path, size_t group, size_t channels);

// A kHz value of the command line (dot decimals only); `fallback` when the option is absent.
coordination::Hertz khzOption(CommandArguments& arguments, const std::string& name,
                              coordination::Hertz fallback);

// --group N (from 0); `fallback` when absent.
int groupOption(CommandArguments& arguments, int fallback);

// What the coordination commands share, as the command line gives it.
struct CoordinationOptions {
    // --profile NAME (standard, robust, dense) sets the guards and the window; --spacing, --im3,
    // --im3x3, --im5 (kHz, 0 turns a kind off) and --window MHZ override it. --with F and
    // --exclude LOW-HIGH (repeatable), --exclude-tv REGION:LIST (repeatable) as excluded ranges,
    // --scan-guard KHZ.
    coordination::CoordinationRules rules;
    std::vector<std::string> scanFiles;  // --scan FILE, repeatable
    double thresholdDbm = 0;             // --threshold DBM
    std::vector<coordination::TvChannel> onlyTv;  // --only-tv REGION:LIST
};

// Throws UsageError when an option's value is wrong. The scans are not read yet.
CoordinationOptions coordinationOptions(CommandArguments& arguments);

// Reads the --scan files into rules.occupied: kSuccess, or kFailed with the file and the line it
// refuses on standard error.
int readScanFiles(CoordinationOptions& options);

// The bands the listed TV channels leave out, as excluded ranges: a channel outside every one of
// them is reported as in an excluded range, labelled as outside them.
std::vector<coordination::ExcludedRange> outsideTvChannels(
    const std::vector<coordination::TvChannel>& channels);

}  // namespace quorprog::cli
