#include "group_step.h"

#include <string>

#include "command_line.h"
#include "files/channel_file_table.h"

namespace quorprog::cli {

using coordination::Hertz;

namespace {

std::optional<Hertz> describedStep(const DescriptionReader& description,
                                   const std::string& identifier, uint32_t p) {
    const std::string model = modelWithMemoryMap(description, identifier);
    if (model.empty()) return std::nullopt;
    const std::string pll = description.readText(model, "Partition" + std::to_string(p) + ".PLL");
    const int64_t xtal = description.readInteger(pll, "XTAL", 0);
    const int64_t multiplier = description.readInteger(pll, "Multiplier", 0);
    const int64_t divider = description.readInteger(pll, "XTALDivider0", 0);
    const int64_t hertz = multiplier * xtal * coordination::kHertzPerKhz;
    if (hertz <= 0 || divider <= 0 || hertz % divider != 0) return std::nullopt;
    return hertz / divider;
}

}  // namespace

Hertz channelFileStep(const CliEnvironment& environment, const ChannelFile& file, uint32_t p,
                      Hertz given) {
    if (given > 0) return given;
    if (const auto step = describedStep(environment.description(), file.modelIdentifier, p))
        return *step;
    throw UsageError("the description gives no channel step of whole hertz for group " +
                     std::to_string(p) + " of model " + file.modelIdentifier +
                     ": give it with --step KHZ");
}

}  // namespace quorprog::cli
