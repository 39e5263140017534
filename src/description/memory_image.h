#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorprog {

using Bytes = std::vector<uint8_t>;

// The device memory as read, with one changed flag per byte. Every store through the memory map
// sets the byte's flag; only a new read (reset) clears them. Before the first read and after a
// failed one there is no image, and every memory-map operation fails.
class MemoryImage {
public:
    static constexpr size_t kBankSize = 256;

    bool exists() const { return exists_; }
    // A new read: 256 zero bytes, all flags clear.
    void reset();
    // No image at all.
    void release();
    // Enlarges bytes and flags to whole banks (never shrinks).
    void enlargeToBanks(size_t banks);

    size_t size() const { return bytes_.size(); }
    Bytes& bytes() { return bytes_; }
    const Bytes& bytes() const { return bytes_; }
    const Bytes& changedFlags() const { return changed_; }
    bool isChanged(size_t address) const { return address < changed_.size() && changed_[address]; }
    void markChanged(size_t address) {
        if (address < changed_.size()) changed_[address] = 1;
    }
    // Stores one byte and sets its flag, as every store through the memory map does; an address
    // beyond the image stores nothing.
    void store(size_t address, uint8_t value) {
        if (address >= bytes_.size()) return;
        bytes_[address] = value;
        markChanged(address);
    }

private:
    bool exists_ = false;
    Bytes bytes_;
    Bytes changed_;
};

}  // namespace quorprog
