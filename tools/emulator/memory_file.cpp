#include "memory_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace quorprog::emulator {

namespace {

std::optional<Bytes> readImageFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.empty() || bytes.size() % MemoryImage::kBankSize != 0) {
        error = path + " holds " + std::to_string(bytes.size()) +
                " bytes; an image is a non-empty multiple of 256 bytes";
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<DeviceMemory> loadMemory(const EmulatorOptions& options, std::string& error) {
    if (!options.modelName.empty()) {
        error = "--model is not available in this build";
        return std::nullopt;
    }
    Bytes memory(options.memorySize.value_or(MemoryImage::kBankSize), 0xFF);
    if (!options.imageFile.empty()) {
        auto image = readImageFile(options.imageFile, error);
        if (!image) return std::nullopt;
        memory = std::move(*image);
    }
    if (options.memorySize) {
        if (*options.memorySize > memory.size()) {
            error = "--size " + std::to_string(*options.memorySize) + " is larger than the image";
            return std::nullopt;
        }
    }
    const size_t imageSize = std::max(memory.size(), MemoryImage::kBankSize);
    if (options.memorySize) memory.resize(*options.memorySize);
    return DeviceMemory{std::move(memory), imageSize};
}

bool saveMemory(const std::string& path, const Bytes& memory, size_t fileSize) {
    Bytes file(fileSize);
    for (size_t i = 0; i < file.size(); ++i) file[i] = memory[i % memory.size()];
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

}  // namespace quorprog::emulator
