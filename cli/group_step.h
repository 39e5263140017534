#pragma once

#include <cstdint>
#include <optional>

#include "cli_environment.h"
#include "coordination/channel_grid.h"
#include "files/channel_file.h"

namespace quorprog::cli {

// The channel step of a group, exact: `hertz` ÷ `divisor` hertz. A device steps by
// Multiplier × XTAL ÷ R, which need not be a whole number of hertz.
struct GroupStep {
    coordination::Hertz hertz = 0;
    coordination::Hertz divisor = 1;
};

// The channel step of group p of a channel file. A file holds no step; `given` (from --step,
// 0 when absent) is taken when above 0, otherwise the one the description gives the file's model
// (the model whose memory map is the file's identifier): Multiplier × XTAL ÷ XTALDivider0 of the
// group's PLL section, as set-up takes it for a device that stores no divider. A UsageError asks
// for --step when neither gives a step.
GroupStep channelFileStep(const CliEnvironment& environment, const ChannelFile& file, uint32_t p,
                          coordination::Hertz given);

// The frequency a channel file stores for grid point i of a group's grid: the kHz float the
// device's own arithmetic puts on that multiple of the step (a 32-bit float of XTAL ÷ R ×
// Multiplier, times the multiple), so that writing it to a device keeps that grid point.
float channelFileFrequency(const coordination::ChannelGrid& grid, size_t i);

}  // namespace quorprog::cli
