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

// The one way the program and its tools write a file: the rules of replaceFileContents (a new
// file of the folder renamed over the target, links written through, devices written in place,
// the old file whole after a failure). False when any step fails.
bool writeFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace quorprog
