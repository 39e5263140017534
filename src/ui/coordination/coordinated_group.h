#pragma once

#include <vector>

#include "coordination/coordinate.h"

namespace quorprog {

// The group on display as the coordination dialogs work on it.
struct CoordinatedGroup {
    int group = 0;
    std::vector<coordination::Hertz> channels;  // per channel, 0 for an empty one
    coordination::ChannelGrid grid;             // what the group can tune
    coordination::CoordinationRules rules;      // the guards last set, the receiver image
};

}  // namespace quorprog
