#include "model/identification.h"

#include "channels/channel_table.h"
#include "channels/partition_keys.h"
#include "description/fixed_value.h"

namespace quorprog {
namespace {

// A located identification value must equal expected; an absent key asks for nothing.
bool locatedValueEquals(MemoryMap& map, const std::string& key, int64_t expected) {
    const std::string entry = map.entryOf(key);
    return entry.empty() || map.DecodeEntry(entry) == expected;
}

std::string malformedFixedValue(const MemoryMap& map, const std::string& key,
                                const std::string& value) {
    return "Invalid identification entry " + key + "=" + value + " in memory map [" +
           map.section() + "]: expected a number or a text in double quotes, then \">\" and " +
           "the bytes to compare.";
}

}  // namespace

IdentificationResult MatchesImage(MemoryMap& map, uint32_t partitionCount,
                                  std::string_view modelName) {
    if (partitionCount > ChannelTable::kMaxPartitions) {
        return {Identification::MalformedDescription,
                "Model \"" + std::string(modelName) + "\" has " + std::to_string(partitionCount) +
                    " partitions; at most " + std::to_string(ChannelTable::kMaxPartitions) +
                    " are supported."};
    }
    const IdentificationResult differs{Identification::Differs, {}};
    for (uint32_t p = 0; p < partitionCount; ++p) {
        if (!locatedValueEquals(map, partitionKey(p, "Partitions"), partitionCount)) return differs;
        if (!locatedValueEquals(map, partitionKey(p, "PartitionNumber"), p)) return differs;
        const int32_t channels =
            map.description().readInteger(modelName, partitionKey(p, "Frequencies"), 0);
        if (!locatedValueEquals(map, partitionKey(p, "Frequencies"), channels)) return differs;

        for (uint32_t i = 0;; ++i) {
            const std::string key = partitionKey(p, "Fixed", i);
            const std::string value = map.entryOf(key);
            if (value.empty()) break;
            switch (checkFixedValue(map, value)) {
                case FixedCheck::Matches:
                    break;
                case FixedCheck::Differs:
                    return differs;
                case FixedCheck::Malformed:
                    return {Identification::MalformedDescription,
                            malformedFixedValue(map, key, value)};
            }
        }
    }
    return {Identification::Matches, {}};
}

}  // namespace quorprog
