#include "channels/integer_lists.h"

#include <cstddef>

namespace quorprog {

void ListOfINTList::AddValue(int32_t partition, int32_t value) {
    if (partition < 0) return;
    if (static_cast<size_t>(partition) >= slots_.size()) slots_.resize(partition + size_t{1});
    slots_[partition].push_back(value);
}

int32_t ListOfINTList::ValueCount(int32_t partition) const {
    if (partition < 0 || static_cast<size_t>(partition) >= slots_.size()) return -1;
    return static_cast<int32_t>(slots_[partition].size());
}

int32_t ListOfINTList::ValueAt(int32_t partition, int32_t index) const {
    const int32_t count = ValueCount(partition);
    if (index < 0 || index >= count) return 0;
    return slots_[partition][index];
}

}  // namespace quorprog
