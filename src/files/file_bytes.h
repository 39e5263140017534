#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace quorprog {

// Larger files are refused unread: no channel plan comes near this, and a wrong pick (a disk
// image, a video) must not exhaust memory.
inline constexpr std::uintmax_t kMaxChannelFileSize = 64 * 1024 * 1024;

// The whole file, or nothing when it cannot be opened or read or exceeds maxSize.
std::optional<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path,
                                                  std::uintmax_t maxSize = kMaxChannelFileSize);

// Writes beside the target first and then replaces it, so a failed write leaves an existing file
// as it was. False when any step fails.
bool writeFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace quorprog
