#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "channels/channel_table.h"
#include "description/description_reader.h"
#include "files/channel_file.h"
#include "seams/prompter.h"

namespace quorprog {

// The table as it stands, every partition with its channels and the code of each channel's
// subtone (0 for a position outside the partition's subtone list).
ChannelFile channelFileFromTable(const ChannelTable& table, int32_t savedAt);

// True when the file comes from the loaded model exactly: the identifier (case-sensitive), the
// group count, and each group's type, channel count and range.
bool fileMatchesTable(const ChannelFile& file, const ChannelTable& table);

// Copies the file group's first m = min(its channels, the partition's channels) frequencies
// unchanged into partition p, and their subtones as positions in p's subtone list. Channels from
// m on keep their values. A code that p's list lacks gives position 0; the result is how many
// channels that happened to. p must be a partition of the table.
uint32_t copyFileGroup(const ChannelFileGroup& group, ChannelTable& table, uint32_t p);

// Every group into the same partition of a matching table (fileMatchesTable); the result is the
// number of channels whose subtone code the table lacks, each now at position 0.
uint32_t loadMatchingFile(const ChannelFile& file, ChannelTable& table);

// The model of the description whose memory map is `memoryMap` (a channel file's identifier);
// empty when none is.
std::string modelWithMemoryMap(const DescriptionReader& description, std::string_view memoryMap);

// A table holding the file on its own, without a device: every group with its type, range,
// channels and subtones. The subtone names come from the description's model whose memory map
// the file names (a problem in its lists is shown through `prompter`); without such a model the
// channels have no subtone names. Nothing when the file holds more groups or channels than a
// table may.
std::optional<ChannelTable> tableFromChannelFile(const ChannelFile& file,
                                                 const DescriptionReader& description,
                                                 Prompter& prompter);

}  // namespace quorprog
