#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

#include "description/memory_map.h"

namespace quorprog {

// The bits of the image that values of the memory map occupy, byte by byte (bit i of a mask is
// bit i of the byte). A difference between two images is told through the values whose bits it
// touches; what is left over belongs to no value named.
using BitMask = std::map<size_t, uint8_t>;

// The bits a numeric entry text locates, for reading and for writing.
void addEntryBits(std::string_view entry, BitMask& bits);
// The bytes a text entry (a date, identification letters) locates, whole.
void addTextEntryBits(std::string_view entry, BitMask& bits);
// The bits of a key of map's section, or of every sub-key of its chain when the key is absent.
void addKeyBits(const MemoryMap& map, std::string_view key, BitMask& bits);

}  // namespace quorprog
