#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_table.h"

namespace quorprog {

// The first item of every list of the service data dialog.
inline constexpr const char* kNoChangeItem = "no change";

// "no change", then one item per XTAL divider d of group g: the channel step it gives (XTAL / d
// in kHz) and d, as "%0.3f / %d" with the decimal separator given.
std::vector<std::string> dividerItems(const ChannelTable& table, uint32_t g,
                                      std::string_view decimalSeparator = ".");

// The option's name with its current choice, "%s (%s)".
std::string optionLabel(const TOptionObject& option);

// "no change", then every choice name of the option in order.
std::vector<std::string> optionItems(const TOptionObject& option);

}  // namespace quorprog
