#include "channels/subtone_lists.h"

#include <cstddef>

namespace quorprog {

void ListOfSUBList::AddSubtone(int32_t partition, std::string_view name, int32_t code) {
    if (partition < 0) return;
    if (static_cast<size_t>(partition) >= slots_.size()) slots_.resize(partition + size_t{1});
    Slot& slot = slots_[partition];
    slot.names.emplace_back(name);
    slot.codes.push_back(static_cast<uint8_t>(code));
}

const ListOfSUBList::Slot* ListOfSUBList::slotOf(int32_t partition) const {
    if (partition < 0 || static_cast<size_t>(partition) >= slots_.size()) return nullptr;
    return &slots_[partition];
}

int32_t ListOfSUBList::SubtoneCount(int32_t partition) const {
    const Slot* slot = slotOf(partition);
    return slot ? static_cast<int32_t>(slot->names.size()) : -1;
}

std::string ListOfSUBList::SubtoneName(int32_t partition, int32_t index) const {
    const Slot* slot = slotOf(partition);
    if (!slot || index < 0 || static_cast<size_t>(index) >= slot->names.size()) return {};
    return slot->names[index];
}

uint8_t ListOfSUBList::SubtoneCode(int32_t partition, int32_t index) const {
    const Slot* slot = slotOf(partition);
    if (!slot || index < 0 || static_cast<size_t>(index) >= slot->codes.size()) return 0;
    return slot->codes[index];
}

int32_t ListOfSUBList::FindSubtone(int32_t partition, int32_t code) const {
    const Slot* slot = slotOf(partition);
    if (!slot) return -1;
    const auto wanted = static_cast<uint8_t>(code);
    for (size_t i = 0; i < slot->codes.size(); ++i) {
        if (slot->codes[i] == wanted) return static_cast<int32_t>(i);
    }
    return -1;
}

}  // namespace quorprog
