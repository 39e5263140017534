#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "channels/integer_lists.h"
#include "channels/option_object.h"
#include "channels/subtone_lists.h"

namespace quorprog {

// The decoded channel plan of the loaded model. Partition set-up allocates and fills it, the grid,
// the channel-file open and import and the service dialog change it, saving and printing read it.
//
// PartitionCount is what the read command set for the model being tried; the per-partition
// arrays have the size of the last set-up (allocatedPartitions()), which may differ until set-up
// has run. Per partition p, Frequency[p], R[p] and SubtoneIndex[p] hold FrequencyCount[p]
// entries. Frequencies are kHz; 0 (or below) means the channel has no valid frequency.
struct ChannelTable {
    // Far beyond any device (the default has 1 or 2 groups of 16 channels); a description asking
    // for more is refused, so that a mistyped count cannot exhaust memory.
    static constexpr uint32_t kMaxPartitions = 256;
    static constexpr uint32_t kMaxChannels = 65536;

    uint32_t PartitionCount = 0;
    // The loaded model's memory-map section; every memory-map lookup uses it.
    std::string MemoryMapName;

    ListOfSUBList SubtoneTables;  // subtone choices per partition
    ListOfINTList XtalDividers;   // XTAL dividers per partition

    std::vector<uint32_t> FrequencyCount;
    std::vector<int32_t> XTAL;        // kHz
    std::vector<int32_t> Prescaler;   // prescaler modulus
    std::vector<int32_t> Multiplier;  // factor on the channel step
    std::vector<int32_t> IF;          // kHz, receivers only
    std::vector<uint32_t> MinFreq;    // kHz
    std::vector<uint32_t> MaxFreq;    // kHz
    std::vector<uint8_t> IsReceiver;  // 0 or 1
    std::vector<uint8_t> OSCoverRF;   // 0 or 1: local oscillator above the RF
    // First node of each partition's option chain; null when the partition has none.
    std::vector<std::unique_ptr<TOptionObject>> Options;

    std::vector<std::vector<float>> Frequency;       // [p][c], kHz
    std::vector<std::vector<int32_t>> R;             // [p][c], reference divider
    std::vector<std::vector<uint8_t>> SubtoneIndex;  // [p][c], position in SubtoneTables of p

    // Frees every array of the last set-up (whatever PartitionCount says now), clears both lists
    // and empties MemoryMapName. PartitionCount is left to the caller.
    void ClearChannelTable();

    // Zero-filled per-partition arrays for count partitions, without channels.
    void allocatePartitions(uint32_t count);
    // Zero-filled Frequency, R and SubtoneIndex of partition p for count channels; sets
    // FrequencyCount[p]. p must be below allocatedPartitions().
    void allocateChannels(uint32_t p, uint32_t count);

    uint32_t allocatedPartitions() const { return static_cast<uint32_t>(FrequencyCount.size()); }
    // True when p names a partition that is both counted and allocated.
    bool hasPartition(int64_t p) const {
        return p >= 0 && p < PartitionCount && p < allocatedPartitions();
    }
};

}  // namespace quorprog
