#include "memory_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "model/factory_image.h"
#include "description/default_description.h"
#include "description/description_reader.h"

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

// A model's factory device, with the model's memory size when that is below a bank (a 24C01
// answers every address modulo its 128 bytes).
std::optional<Bytes> factoryMemory(const std::string& modelName, size_t& memorySize,
                                   std::string& error) {
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    Bytes image = buildFactoryImage(description, modelName);
    if (image.empty()) {
        error = "no factory device for model \"" + modelName + "\" in the built-in description";
        return std::nullopt;
    }
    const std::string map = description.readText(modelName, "Memorymap");
    const int32_t size = description.readInteger(map, "MemorySize", 0);
    memorySize = size > 0 && static_cast<size_t>(size) < image.size() ? static_cast<size_t>(size)
                                                                      : image.size();
    return image;
}

}  // namespace

std::optional<DeviceMemory> loadMemory(const EmulatorOptions& options, std::string& error) {
    Bytes memory(options.memorySize.value_or(MemoryImage::kBankSize), 0xFF);
    std::optional<size_t> memorySize = options.memorySize;
    if (!options.modelName.empty()) {
        size_t modelSize = 0;
        auto image = factoryMemory(options.modelName, modelSize, error);
        if (!image) return std::nullopt;
        memory = std::move(*image);
        if (!memorySize) memorySize = modelSize;
    } else if (!options.imageFile.empty()) {
        auto image = readImageFile(options.imageFile, error);
        if (!image) return std::nullopt;
        memory = std::move(*image);
    }
    if (memorySize && *memorySize > memory.size()) {
        error = "--size " + std::to_string(*memorySize) + " is larger than the image";
        return std::nullopt;
    }
    const size_t imageSize = std::max(memory.size(), MemoryImage::kBankSize);
    if (memorySize) memory.resize(*memorySize);
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
