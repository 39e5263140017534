#pragma once

#include <cstdint>
#include <vector>

namespace quorprog {

// 32-bit integers per partition (the XTAL dividers a partition offers as channel steps). Slots
// come into being on the first addition to a partition, every slot below it empty.
class ListOfINTList {
  public:
    // Appends value to the slot of partition; negative partitions are ignored.
    void AddValue(int32_t partition, int32_t value);

    // Values of the partition's slot; -1 when the partition is not a slot.
    int32_t ValueCount(int32_t partition) const;
    // Value index of the partition's slot; 0 when out of range.
    int32_t ValueAt(int32_t partition, int32_t index) const;

    void Clear() { slots_.clear(); }
    // Number of slots.
    uint32_t count() const { return static_cast<uint32_t>(slots_.size()); }

  private:
    std::vector<std::vector<int32_t>> slots_;
};

}  // namespace quorprog
