#pragma once

#include <string>
#include <string_view>

#include "channels/channel_table.h"
#include "description/memory_map.h"
#include "seams/log.h"
#include "seams/prompter.h"

namespace quorprog {

// A message box's text and caption, already in the user's language.
struct MessageText {
    std::string text;
    std::string caption;
};

// Fills the channel table for the model modelName from the description and the image that map
// reads. The table's PartitionCount must be the model's Partitions, and map must be bound to the
// table's MemoryMapName (set-up sets that name itself). The trace goes to log as one line of
// fragments, each ending in " - ". Every problem is reported (error boxes, log fragments) and
// set-up runs to the end; then, if there was any, corruptMemory is shown and the result is false.
// A model without a memory map gives false at once, silently.
bool SetUpPartitions(std::string_view modelName, ChannelTable& table, MemoryMap& map,
                     Prompter& prompter, Log& log, const MessageText& corruptMemory);

}  // namespace quorprog
