#include "description/memory_image.h"

namespace quorprog {

void MemoryImage::reset() {
    exists_ = true;
    bytes_.assign(kBankSize, 0);
    changed_.assign(kBankSize, 0);
}

void MemoryImage::release() {
    exists_ = false;
    bytes_.clear();
    changed_.clear();
}

void MemoryImage::enlargeToBanks(size_t banks) {
    if (!exists_ || banks * kBankSize <= bytes_.size()) return;
    bytes_.resize(banks * kBankSize, 0);
    changed_.resize(banks * kBankSize, 0);
}

}  // namespace quorprog
