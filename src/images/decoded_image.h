#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "channels/channel_table.h"
#include "description/description_reader.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "seams/log.h"
#include "seams/prompter.h"

namespace quorprog {

// A raw image (a backup, a file, a copy of the session's image) seen as the model modelName:
// its identification and its channel plan, decoded as a read does but silently. Nothing reaches
// log.txt or the user, so looking at an image never adds to what a read reports.
class DecodedImage {
  public:
    DecodedImage(const DescriptionReader& description, std::string_view modelName,
                 std::span<const uint8_t> bytes);
    DecodedImage(const DecodedImage&) = delete;
    DecodedImage& operator=(const DecodedImage&) = delete;

    // The model's identification holds in the image.
    bool matchesModel() const { return matches_; }
    // The model's set-up found no problem: the table holds the image's plan.
    bool decoded() const { return decoded_; }

    ChannelTable& table() { return table_; }
    const ChannelTable& table() const { return table_; }
    // The model's memory map over this image.
    MemoryMap& map() { return map_; }
    const MemoryMap& map() const { return map_; }
    const Bytes& bytes() const { return image_.bytes(); }

  private:
    MemoryImage image_;
    ChannelTable table_;
    SilentPrompter prompter_;
    NullLog log_;
    MemoryMap map_;
    bool matches_ = false;
    bool decoded_ = false;
};

}  // namespace quorprog
