#pragma once

#include <optional>
#include <string>
#include <vector>

#include "coordination/channel_grid.h"
#include "coordination/coordination_rules.h"
#include "coordination/rf_scan.h"
#include "coordination/rf_plot_model.h"
#include "coordination/tv_channels.h"

namespace quorprog {

// What the technician sets in the coordination dialogs besides the group itself.
struct CoordinationChoices {
    coordination::Guards guards;
    std::string profile;             // the profile the guards came from; empty: as set
    coordination::Hertz window = 0;  // the receiver's filter, its whole width; 0: off
    std::optional<coordination::TvRegion> tvRegion;
    std::vector<int> tvTicked;  // channel numbers of the region
    bool tvSearchIn = false;    // the ticked channels are where to search, not excluded
    std::string scanName;       // the scan file's name; empty without a scan
    std::vector<coordination::ScanPoint> scan;
    double threshold = coordination::kDefaultScanThresholdDbm;
    coordination::Hertz scanGuard = coordination::CoordinationRules{}.scanGuard;

    // The ticked channels of the region, ascending.
    std::vector<coordination::TvChannel> tvChannels() const;
};

// The group on display as the coordination dialogs work on it.
struct CoordinatedGroup {
    int group = 0;
    std::vector<coordination::Hertz> channels;  // per channel, 0 for an empty one
    coordination::ChannelGrid grid;             // what the group can tune
    std::optional<coordination::ReceiverImage> image;
    CoordinationChoices choices;
};

// What the group's channels are checked against: the guards, window, receiver image, excluded
// TV channels and the occupied points of the scan.
coordination::CoordinationRules groupRules(const CoordinatedGroup& group);

// The group's spectrum, drawn from one check of its channels under its rules; nothing when it
// has more transmitters than a spectrum shows.
std::optional<coordination::SpectrumModel> groupSpectrum(const CoordinatedGroup& group);

}  // namespace quorprog
