#include "session/group_encoding.h"

#include "channels/partition_keys.h"
#include "channels/pll.h"

namespace quorprog {

int32_t encodeGroup(ChannelTable& table, MemoryMap& map, uint32_t partition) {
    if (!table.hasPartition(partition)) return kEncodeFailed;
    const auto p = static_cast<int32_t>(partition);
    const int32_t result = EncodeChannelFrequencies(table, map, p, -1);
    const auto& subtones = table.SubtoneIndex[partition];
    for (uint32_t c = 0; c < subtones.size(); ++c) {
        map.WriteMapValue(partitionKey(partition, "Sub", c),
                          table.SubtoneTables.SubtoneCode(p, subtones[c]));
    }
    return result;
}

}  // namespace quorprog
