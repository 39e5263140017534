#pragma once

#include <optional>
#include <string>

#include "description/memory_image.h"

namespace quorprog::cli {

// A raw memory image: the device's bytes as the read command moved them, whole 256-byte banks.
// Nothing, with the reason in `error`, when the file cannot be read or is empty or too large.
std::optional<Bytes> readImageFile(const std::string& path, std::string& error);

// Replaces the file in one step, so a failed write leaves the old one.
bool writeImageFile(const std::string& path, const Bytes& bytes, std::string& error);

}  // namespace quorprog::cli
