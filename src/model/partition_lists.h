#pragma once

#include <cstdint>
#include <string_view>

#include "channels/channel_table.h"
#include "description/description_reader.h"
#include "seams/prompter.h"

namespace quorprog {

// The description-only part of a partition's set-up: the XTAL dividers of its PLL section, its
// subtone choices and its option chain (choices from the option sections; indices stay 0 until
// the image is read). Each problem is shown in an error box; the result is false when there was
// any. The table's per-partition arrays must already hold partition p.
bool loadPartitionLists(const DescriptionReader& description, std::string_view modelName,
                        uint32_t p, ChannelTable& table, Prompter& prompter);

}  // namespace quorprog
