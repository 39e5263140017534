#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorprog {

// Description keys of a partition: "Partition0.XTAL", and with an index "Partition1.N15" (decimal
// numbers from 0, no leading zeros).
inline std::string partitionKey(uint32_t partition, std::string_view name) {
    std::string key = "Partition" + std::to_string(partition) + ".";
    key += name;
    return key;
}

inline std::string partitionKey(uint32_t partition, std::string_view name, uint32_t index) {
    return partitionKey(partition, name) + std::to_string(index);
}

// The indexed keys of a plain section ("XTALDivider0", "String3", "Code3").
inline std::string indexedKey(std::string_view name, uint32_t index) {
    return std::string(name) + std::to_string(index);
}

}  // namespace quorprog
