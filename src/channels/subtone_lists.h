#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorprog {

// The subtone choices of every partition: per slot, display names with their code bytes, in
// description order. Slots come into being on the first addition to a partition; every slot below
// it is created empty. Accessors never fail: out-of-range requests give -1, empty text or 0.
class ListOfSUBList {
  public:
    // Appends name and the low byte of code to the slot of partition; negative partitions are
    // not slots and are ignored.
    void AddSubtone(int32_t partition, std::string_view name, int32_t code);

    // Entries of the partition's slot; -1 when the partition is not a slot.
    int32_t SubtoneCount(int32_t partition) const;
    std::string SubtoneName(int32_t partition, int32_t index) const;
    uint8_t SubtoneCode(int32_t partition, int32_t index) const;
    // First position whose code byte equals the low byte of code; -1 when none.
    int32_t FindSubtone(int32_t partition, int32_t code) const;

    void Clear() { slots_.clear(); }
    // Number of partition slots.
    uint32_t count() const { return static_cast<uint32_t>(slots_.size()); }

  private:
    struct Slot {
        std::vector<std::string> names;
        std::vector<uint8_t> codes;
    };
    const Slot* slotOf(int32_t partition) const;

    std::vector<Slot> slots_;
};

}  // namespace quorprog
