#include "images/field_bits.h"

#include <string>

#include "description/entry_text.h"
#include "description/locator.h"

namespace quorprog {
namespace {

void addLocatorBits(std::string_view locatorText, bool allowBitList, BitMask& bits) {
    for (const std::string_view text : locator::splitElements(locatorText)) {
        const locator::Element element = locator::parseElement(text, allowBitList);
        if (element.status != locator::Element::Status::Ok) continue;
        uint8_t mask = 0xFF;
        if (element.hasBitList) {
            mask = 0;
            for (const char digit : element.bits) mask |= static_cast<uint8_t>(1u << (digit - '0'));
        }
        bits[static_cast<size_t>(element.address)] |= mask;
    }
}

}  // namespace

void addEntryBits(std::string_view entry, BitMask& bits) {
    addLocatorBits(entry_text::decodeParts(entry).locator, true, bits);
    addLocatorBits(entry_text::writeLocator(entry), true, bits);
}

void addTextEntryBits(std::string_view entry, BitMask& bits) {
    addLocatorBits(entry_text::textField(entry).locator, false, bits);
}

void addKeyBits(const MemoryMap& map, std::string_view key, BitMask& bits) {
    const std::string entry = map.entryOf(key);
    if (!entry.empty()) {
        addEntryBits(entry, bits);
        return;
    }
    for (int index = 0;; ++index) {
        const std::string subEntry = map.entryOf(std::string(key) + "_" + std::to_string(index));
        if (subEntry.empty()) return;
        addEntryBits(subEntry, bits);
    }
}

}  // namespace quorprog
