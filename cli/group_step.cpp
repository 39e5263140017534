#include "group_step.h"

#include <string>

#include "channels/pll.h"
#include "command_line.h"
#include "files/channel_file_table.h"

namespace quorprog::cli {

using coordination::Hertz;

namespace {

// Beyond any crystal, divider or multiplier of a device; the products below stay exact.
constexpr int64_t kLargestPllNumber = int64_t{1} << 31;

std::optional<GroupStep> describedStep(const DescriptionReader& description,
                                       const std::string& identifier, uint32_t p) {
    const std::string model = modelWithMemoryMap(description, identifier);
    if (model.empty()) return std::nullopt;
    const std::string pll = description.readText(model, "Partition" + std::to_string(p) + ".PLL");
    const int64_t xtal = description.readInteger(pll, "XTAL", 0);
    const int64_t multiplier = description.readInteger(pll, "Multiplier", 0);
    const int64_t divider = description.readInteger(pll, "XTALDivider0", 0);
    const auto usable = [](int64_t n) { return n > 0 && n < kLargestPllNumber; };
    if (!usable(xtal) || !usable(multiplier) || !usable(divider)) return std::nullopt;
    return GroupStep{multiplier * xtal * coordination::kHertzPerKhz, divider};
}

}  // namespace

GroupStep channelFileStep(const CliEnvironment& environment, const ChannelFile& file, uint32_t p,
                          Hertz given) {
    if (given > 0) return {given, 1};
    if (const auto step = describedStep(environment.description(), file.modelIdentifier, p))
        return *step;
    throw UsageError("the description gives no channel step for group " + std::to_string(p) +
                     " of model " + file.modelIdentifier + ": give it with --step KHZ");
}

float channelFileFrequency(const coordination::ChannelGrid& grid, size_t i) {
    // The grid starts on a multiple of its step (a group's grid always does).
    const double multiple = static_cast<double>(grid.from / grid.step + static_cast<Hertz>(i));
    const auto stepKhz = static_cast<float>(static_cast<double>(grid.step) /
                                            static_cast<double>(grid.divisor) /
                                            coordination::kHertzPerKhz);
    return gridPoint(multiple, stepKhz);
}

}  // namespace quorprog::cli
