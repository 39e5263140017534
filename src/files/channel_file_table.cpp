#include "files/channel_file_table.h"

#include <algorithm>
#include <limits>

#include "model/partition_lists.h"

namespace quorprog {
namespace {

uint32_t usablePartitions(const ChannelTable& table) {
    return std::min(table.PartitionCount, table.allocatedPartitions());
}

// The channels of p that every per-channel array really holds.
uint32_t channelsOf(const ChannelTable& table, uint32_t p) {
    size_t held = std::min(
        {size_t{table.FrequencyCount[p]}, table.Frequency[p].size(), table.SubtoneIndex[p].size()});
    return static_cast<uint32_t>(held);
}

}  // namespace

std::string modelWithMemoryMap(const DescriptionReader& description, std::string_view memoryMap) {
    for (uint32_t n = 0;; ++n) {
        const std::string name = description.readText("MODELS", "Name" + std::to_string(n));
        if (name.empty() || description.readText(name, "Memorymap") == memoryMap) return name;
    }
}

ChannelFile channelFileFromTable(const ChannelTable& table, int32_t savedAt) {
    ChannelFile file;
    file.savedAt = savedAt;
    file.modelIdentifier = table.MemoryMapName;
    const uint32_t partitions = usablePartitions(table);
    for (uint32_t p = 0; p < partitions; ++p) {
        ChannelFileGroup group;
        group.isReceiver = table.IsReceiver[p];
        group.minFreq = table.MinFreq[p];
        group.maxFreq = table.MaxFreq[p];
        const uint32_t channels = channelsOf(table, p);
        group.frequencies.assign(table.Frequency[p].begin(), table.Frequency[p].begin() + channels);
        for (uint32_t c = 0; c < channels; ++c) {
            const int32_t position = table.SubtoneIndex[p][c];
            group.subtoneCodes.push_back(
                table.SubtoneTables.SubtoneCode(static_cast<int32_t>(p), position));
        }
        file.groups.push_back(std::move(group));
    }
    return file;
}

bool fileMatchesTable(const ChannelFile& file, const ChannelTable& table) {
    if (file.modelIdentifier != table.MemoryMapName) return false;
    if (file.groups.size() != table.PartitionCount) return false;
    if (usablePartitions(table) != table.PartitionCount) return false;
    for (uint32_t p = 0; p < table.PartitionCount; ++p) {
        const ChannelFileGroup& group = file.groups[p];
        if (group.isReceiver != table.IsReceiver[p] ||
            group.frequencies.size() != table.FrequencyCount[p] ||
            group.minFreq != table.MinFreq[p] || group.maxFreq != table.MaxFreq[p]) {
            return false;
        }
    }
    return true;
}

uint32_t copyFileGroup(const ChannelFileGroup& group, ChannelTable& table, uint32_t p) {
    const size_t copied = std::min(
        {group.frequencies.size(), group.subtoneCodes.size(), size_t{channelsOf(table, p)}});
    std::copy_n(group.frequencies.begin(), copied, table.Frequency[p].begin());

    uint32_t unavailable = 0;
    for (size_t c = 0; c < copied; ++c) {
        const int32_t position =
            table.SubtoneTables.FindSubtone(static_cast<int32_t>(p), group.subtoneCodes[c]);
        // A position beyond what a channel can hold is as unusable as a missing code.
        const bool usable = position >= 0 && position <= std::numeric_limits<uint8_t>::max();
        table.SubtoneIndex[p][c] = usable ? static_cast<uint8_t>(position) : 0;
        if (!usable) ++unavailable;
    }
    return unavailable;
}

uint32_t loadMatchingFile(const ChannelFile& file, ChannelTable& table) {
    uint32_t unavailable = 0;
    const size_t groups = std::min(file.groups.size(), size_t{usablePartitions(table)});
    for (uint32_t p = 0; p < groups; ++p) {
        unavailable += copyFileGroup(file.groups[p], table, p);
    }
    return unavailable;
}

std::optional<ChannelTable> tableFromChannelFile(const ChannelFile& file,
                                                 const DescriptionReader& description,
                                                 Prompter& prompter) {
    if (file.groups.size() > ChannelTable::kMaxPartitions) return std::nullopt;
    ChannelTable table;
    table.MemoryMapName = file.modelIdentifier;
    table.PartitionCount = static_cast<uint32_t>(file.groups.size());
    table.allocatePartitions(table.PartitionCount);
    const std::string model = modelWithMemoryMap(description, file.modelIdentifier);
    const auto modelPartitions =
        model.empty() ? 0 : description.readInteger(model, "Partitions", 0);
    for (uint32_t p = 0; p < table.PartitionCount; ++p) {
        const ChannelFileGroup& group = file.groups[p];
        if (group.frequencies.size() > ChannelTable::kMaxChannels) return std::nullopt;
        table.allocateChannels(p, static_cast<uint32_t>(group.frequencies.size()));
        table.IsReceiver[p] = group.isReceiver;
        table.MinFreq[p] = group.minFreq;
        table.MaxFreq[p] = group.maxFreq;
        if (static_cast<int64_t>(p) < modelPartitions) {
            loadPartitionLists(description, model, p, table, prompter);
        }
        copyFileGroup(group, table, p);
    }
    return table;
}

}  // namespace quorprog
