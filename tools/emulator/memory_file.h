#pragma once

#include <optional>
#include <string>

#include "description/memory_image.h"
#include "emulator_options.h"

namespace quorprog::emulator {

struct DeviceMemory {
    Bytes bytes;       // the memory the box answers from, --size bytes when given
    size_t imageSize;  // whole banks, as the image file holds them
};

// The memory the box starts with: the image file, a model's factory memory or one blank bank,
// cut to --size. Nothing, with `error` set, when the source is unusable.
std::optional<DeviceMemory> loadMemory(const EmulatorOptions& options, std::string& error);

// Writes the memory over the image file of `fileSize` bytes; a memory smaller than the file is
// repeated, as bank reads show it.
bool saveMemory(const std::string& path, const Bytes& memory, size_t fileSize);

}  // namespace quorprog::emulator
