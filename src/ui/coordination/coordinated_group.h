#pragma once

#include <optional>
#include <vector>

#include "coordination/coordinate.h"
#include "coordination/spectrum_model.h"

namespace quorprog {

// The group on display as the coordination dialogs work on it.
struct CoordinatedGroup {
    int group = 0;
    std::vector<coordination::Hertz> channels;  // per channel, 0 for an empty one
    coordination::ChannelGrid grid;             // what the group can tune
    coordination::CoordinationRules rules;      // the guards last set, the receiver image
    // What the spectrum shows besides: the TV channels ticked, the scan loaded and its
    // threshold. The rules already hold what of them the check counts.
    std::vector<coordination::SpectrumTvChannel> tvChannels;
    std::vector<coordination::SpectrumScanPoint> scan;
    std::optional<double> threshold;
};

// The group's spectrum, drawn from one check of its channels under its rules; nothing when it
// has more transmitters than a spectrum shows.
std::optional<coordination::SpectrumModel> groupSpectrum(const CoordinatedGroup& group);

}  // namespace quorprog
