#include "description/fixed_value.h"

#include "description/integer_text.h"
#include "description/memory_map.h"

namespace quorprog {

std::optional<FixedValue> parseFixedValue(std::string_view value) {
    const size_t arrow = value.find('>');
    if (arrow == std::string_view::npos) return std::nullopt;
    FixedValue fixed;
    fixed.entry = std::string(value.substr(arrow + 1));
    const size_t firstQuote = value.find('"');
    const size_t secondQuote =
        firstQuote == std::string_view::npos ? firstQuote : value.find('"', firstQuote + 1);
    if (secondQuote != std::string_view::npos) {
        fixed.isText = true;
        fixed.expectedText = std::string(value.substr(firstQuote + 1, secondQuote - firstQuote - 1));
        return fixed;
    }
    const auto number = parseIntegerText(value.substr(0, arrow));
    if (!number) return std::nullopt;
    fixed.expectedNumber = *number;
    return fixed;
}

FixedCheck checkFixedValue(MemoryMap& map, std::string_view value, Bytes* image) {
    const auto fixed = parseFixedValue(value);
    if (!fixed) return FixedCheck::Malformed;
    const bool matches = fixed->isText ? map.ReadEntryText(fixed->entry, image) == fixed->expectedText
                                       : map.DecodeEntry(fixed->entry, image) == fixed->expectedNumber;
    return matches ? FixedCheck::Matches : FixedCheck::Differs;
}

}  // namespace quorprog
