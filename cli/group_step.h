#pragma once

#include <cstdint>
#include <optional>

#include "cli_environment.h"
#include "coordination/frequency_units.h"
#include "files/channel_file.h"

namespace quorprog::cli {

// The channel step of group p of a channel file. A file holds no step; `given` (from --step,
// 0 when absent) is taken when above 0, otherwise the one the description gives the file's model
// (the model whose memory map is the file's identifier): Multiplier × XTAL ÷ XTALDivider0 of the
// group's PLL section, as set-up takes it for a device that stores no divider. A UsageError asks
// for --step when neither gives a step of whole hertz.
coordination::Hertz channelFileStep(const CliEnvironment& environment, const ChannelFile& file,
                                    uint32_t p, coordination::Hertz given);

}  // namespace quorprog::cli
