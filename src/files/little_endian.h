#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace quorprog::little_endian {

static_assert(std::numeric_limits<float>::is_iec559, "channel files hold IEEE single floats");

// Byte by byte, so the file layout never depends on the host's byte order or struct padding.
inline void appendU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

inline void appendFloat(std::vector<uint8_t>& out, float value) {
    appendU32(out, std::bit_cast<uint32_t>(value));
}

// Reads from a span whose length the caller has already checked.
inline uint32_t readU32(std::span<const uint8_t> bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[offset + i];
    return value;
}

inline float readFloat(std::span<const uint8_t> bytes, size_t offset) {
    return std::bit_cast<float>(readU32(bytes, offset));
}

}  // namespace quorprog::little_endian
