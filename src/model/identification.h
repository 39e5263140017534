#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "description/memory_map.h"

namespace quorprog {

enum class Identification {
    Matches,  // every identification key of the memory map holds in the image
    Differs,  // the image belongs to another model (or to none)
    // A Fixed value cannot be understood, or the model has more partitions than the program
    // supports (ChannelTable::kMaxPartitions): the model search must stop.
    MalformedDescription,
};

struct IdentificationResult {
    Identification outcome = Identification::Differs;
    // For MalformedDescription: names the model or the memory map, key and value; ready to show.
    std::string problem;

    explicit operator bool() const { return outcome == Identification::Matches; }
};

// Whether the image read through map (bound to the memory map being tried) belongs to the model
// modelName with partitionCount partitions. Per partition p: Partition%d.Partitions must decode
// to partitionCount, Partition%d.PartitionNumber to p, Partition%d.Frequencies to the model's
// channel count of p (its Partition%d.Frequencies), and every Partition%d.Fixed%d must hold. The
// first check that fails decides; a map without identification keys matches any image.
IdentificationResult MatchesImage(MemoryMap& map, uint32_t partitionCount,
                                  std::string_view modelName);

}  // namespace quorprog
