#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "channels/channel_table.h"
#include "description/memory_map.h"

namespace quorprog {

// What the expert chose in the service data dialog for one group. Every field starts as
// "no change".
struct ServiceChanges {
    static constexpr int32_t kNoChange = -1;

    // Position in the group's XTAL divider list.
    int32_t dividerChoice = kNoChange;
    // The range limits in kHz, as typed.
    std::string minFreqText;
    std::string maxFreqText;
    // One entry per option of the group, in chain order: the position of the chosen choice.
    // Missing entries are "no change".
    std::vector<int32_t> optionChoices;
};

// The main window's operations on the group it shows, which a service change must trigger.
struct GroupViewHooks {
    // The grid's frequency commit of every channel: encodes the group again (snapping to the
    // channel step, clearing what is out of range, one beep if anything moved) and redisplays it.
    std::function<void()> commitAllFrequencies;
    // Refreshes the group information panel (receiver/transmitter, range, channel step).
    std::function<void()> showGroupInfo;
};

// Applies changes to group g of the table and, through map, to the memory image: the divider
// first (every channel's R, then the frequencies are encoded again under the range still in
// force), then the range (when both limits are non-negative integers; frequencies are not
// encoded again), then the options. A group the table does not hold changes nothing.
void applyServiceChanges(ChannelTable& table, MemoryMap& map, uint32_t g,
                         const ServiceChanges& changes, const GroupViewHooks& display);

}  // namespace quorprog
