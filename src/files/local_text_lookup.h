#pragma once

#include <functional>
#include <string>

namespace quorprog {

// The localised text with the given English id (50..97) in the language now selected.
using LocalTextLookup = std::function<std::string(int englishId)>;

// The texts that channel files and the import show, by English id.
namespace file_text {
inline constexpr int kGroup = 54;
inline constexpr int kErrorCaption = 62;
inline constexpr int kReceiver = 67;
inline constexpr int kTransmitter = 68;
inline constexpr int kCorruptFile = 73;
inline constexpr int kFileRead = 75;
inline constexpr int kInformationCaption = 76;
inline constexpr int kDuplicateDestination = 91;
inline constexpr int kSubtoneUnavailable = 92;
}  // namespace file_text

}  // namespace quorprog
