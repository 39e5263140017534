#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "description/description_reader.h"
#include "description/memory_image.h"
#include "seams/prompter.h"

namespace quorprog {

// The six memory-map operations: every value the device holds is read and written through them.
// Keys are looked up in the memory-map section whose name `section` refers to (the channel
// table's MemoryMapName, owned by the caller). Each operation works on the main image unless
// another byte image is passed; the changed flags set are always those of the main image.
// Reads give -1 (or the empty text) and writes false on failure; address errors are reported
// through the Prompter ("Reading/Writing data byte on flash out of memory map!", caption "ERROR").
class MemoryMap {
public:
    MemoryMap(const DescriptionReader& description, const std::string& section,
              MemoryImage& image, Prompter& prompter);

    int32_t DecodeEntry(std::string_view entry, Bytes* image = nullptr);
    bool EncodeEntry(std::string_view entry, int32_t value, Bytes* image = nullptr);
    int32_t ReadMapValue(std::string_view key, Bytes* image = nullptr);
    bool WriteMapValue(std::string_view key, int32_t value, Bytes* image = nullptr);
    std::string ReadEntryText(std::string_view entry, Bytes* image = nullptr);
    bool WriteEntryText(std::string_view entry, std::string_view text, Bytes* image = nullptr);

    // The entry text of a key in the current memory-map section (empty when absent).
    std::string entryOf(std::string_view key) const;

    const DescriptionReader& description() const { return description_; }
    const std::string& section() const { return section_; }
    MemoryImage& image() { return image_; }

private:
    const DescriptionReader& description_;
    const std::string& section_;
    MemoryImage& image_;
    Prompter& prompter_;
};

}  // namespace quorprog
