#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "description/memory_image.h"

namespace quorprog {

class MemoryMap;

// The identification form of a memory-map value (the `Partition%d.Fixed%d` keys): an expected
// value, ">" and an entry, as in `176>91` or `"GPE">87,88,89`. The entry is the text after the
// first ">". When the value holds two double quotes, the expected value is the text between the
// first two and is compared with ReadEntryText of the entry (case counts); otherwise the text
// before the first ">" is an integer text compared with DecodeEntry of the entry.
struct FixedValue {
    bool isText = false;
    std::string expectedText;   // when isText
    int32_t expectedNumber = 0; // otherwise
    std::string entry;
};

// Nothing when the value is malformed: no ">", or an expected part that is neither a
// double-quoted text nor an integer text.
std::optional<FixedValue> parseFixedValue(std::string_view value);

enum class FixedCheck { Matches, Differs, Malformed };

// Checks one identification value against the image (the main one unless another is passed).
// A Malformed value reads nothing from the image.
FixedCheck checkFixedValue(MemoryMap& map, std::string_view value, Bytes* image = nullptr);

}  // namespace quorprog
