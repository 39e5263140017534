#include "description/memory_map.h"

#include "description/entry_text.h"
#include "description/locator.h"
#include "description/transform_expression.h"

namespace quorprog {
namespace {

constexpr const char* kReadingOutOfMap = "Reading data byte on flash out of memory map!";
constexpr const char* kWritingOutOfMap = "Writing data byte on flash out of memory map!";
constexpr const char* kErrorCaption = "ERROR";
constexpr int kValueBits = 32;  // bits named beyond the 32nd add nothing to a read value

using Status = locator::Element::Status;

// An address outside 0..255, or beyond the end of a smaller image passed by the caller.
bool outOfMap(const locator::Element& element, const Bytes& bytes) {
    return element.status == Status::OutOfRange ||
           (element.status == Status::Ok && static_cast<size_t>(element.address) >= bytes.size());
}

std::string subKey(std::string_view key, int index) {
    std::string name(key);
    name += '_';
    name += std::to_string(index);
    return name;
}

}  // namespace

MemoryMap::MemoryMap(const DescriptionReader& description, const std::string& section,
                     MemoryImage& image, Prompter& prompter)
    : description_(description), section_(section), image_(image), prompter_(prompter) {}

std::string MemoryMap::entryOf(std::string_view key) const {
    return description_.readText(section_, key);
}

// ---- public operations: each starts a fresh reference budget unless it runs inside another ----

int32_t MemoryMap::DecodeEntry(std::string_view entry, Bytes* image) {
    startOperation();
    return decodeEntry(entry, image);
}

bool MemoryMap::EncodeEntry(std::string_view entry, int32_t value, Bytes* image) {
    startOperation();
    return encodeEntry(entry, value, image);
}

int32_t MemoryMap::ReadMapValue(std::string_view key, Bytes* image) {
    startOperation();
    return readMapValue(key, image);
}

bool MemoryMap::WriteMapValue(std::string_view key, int32_t value, Bytes* image) {
    startOperation();
    return writeMapValue(key, value, image);
}

std::string MemoryMap::ReadEntryText(std::string_view entry, Bytes* image) {
    startOperation();
    return readEntryText(entry, image);
}

bool MemoryMap::WriteEntryText(std::string_view entry, std::string_view text, Bytes* image) {
    startOperation();
    return writeEntryText(entry, text, image);
}

// ---- helpers ----

void MemoryMap::startOperation() {
    if (referenceDepth_ != 0) return;
    referenceBudget_ = kReferenceBudget;
    refusedReferences_ = 0;
}

Bytes* MemoryMap::target(Bytes* image) {
    if (image) return image->empty() ? nullptr : image;
    return image_.exists() && !image_.bytes().empty() ? &image_.bytes() : nullptr;
}

void MemoryMap::reportOutOfMap(bool writing) {
    prompter_.inform(writing ? kWritingOutOfMap : kReadingOutOfMap, kErrorCaption,
                     Prompter::Icon::Error);
}

void MemoryMap::storeByte(Bytes& bytes, int address, uint8_t value) {
    bytes[static_cast<size_t>(address)] = value;
    image_.markChanged(static_cast<size_t>(address));
}

bool MemoryMap::chargeReferenceWork() {
    if (referenceDepth_ == 0) return true;
    if (refusedReferences_ > 0 || referenceBudget_ <= 0) {
        ++refusedReferences_;
        return false;
    }
    --referenceBudget_;
    return true;
}

int32_t MemoryMap::readKeyReference(std::string_view key, Bytes* image) {
    if (referenceDepth_ >= kMaxReferenceDepth) {
        ++refusedReferences_;
        return -1;
    }
    ++referenceDepth_;
    if (!chargeReferenceWork()) {
        --referenceDepth_;
        return -1;
    }
    const int32_t value = readMapValue(key, image);
    --referenceDepth_;
    return value;
}

bool MemoryMap::assemble(std::string_view locatorText, const Bytes& bytes, int32_t& value,
                         std::vector<uint8_t>& rawBytes) {
    uint32_t bits = 0;
    int k = 0;
    const auto take = [&](bool set) {
        if (set && k < kValueBits) bits |= uint32_t{1} << k;
        ++k;
    };
    for (const std::string_view text : locator::splitElements(locatorText)) {
        const auto element = locator::parseElement(text, true);
        if (outOfMap(element, bytes)) {
            reportOutOfMap(false);
            return false;
        }
        if (element.status != Status::Ok) return false;
        const uint8_t byte = bytes[static_cast<size_t>(element.address)];
        rawBytes.push_back(byte);
        if (!element.hasBitList) {
            for (int i = 0; i < 8; ++i) take((byte >> i) & 1);
        } else {
            for (const char digit : element.bits) take((byte >> (digit - '0')) & 1);
        }
    }
    value = static_cast<int32_t>(bits);
    return true;
}

bool MemoryMap::storeField(std::string_view locatorText, int32_t value, Bytes& bytes) {
    int32_t v = value;
    for (const std::string_view text : locator::splitElements(locatorText)) {
        const auto element = locator::parseElement(text, true);
        if (outOfMap(element, bytes)) {
            reportOutOfMap(true);
            return false;
        }
        if (element.status != Status::Ok) return false;
        uint8_t byte = bytes[static_cast<size_t>(element.address)];
        if (!element.hasBitList) {
            byte = static_cast<uint8_t>(v & 0xFF);
            v >>= 8;  // the sign bit is repeated
        } else {
            for (const char digit : element.bits) {
                const int bit = digit - '0';
                byte = static_cast<uint8_t>((byte & ~(1u << bit)) | ((v & 1u) << bit));
                v >>= 1;
            }
        }
        storeByte(bytes, element.address, byte);
    }
    return true;
}

bool MemoryMap::storeBcd(std::string_view locatorText, int32_t value, Bytes& bytes) {
    const auto elements = locator::splitElements(locatorText);
    if (elements.size() > transform::kMaxBcdBytes) return false;
    const std::vector<uint8_t> packed = transform::packBcd(value);
    for (size_t i = 0; i < elements.size(); ++i) {
        const auto element = locator::parseElement(elements[i], false);
        if (outOfMap(element, bytes)) {
            reportOutOfMap(true);
            return false;
        }
        if (element.status != Status::Ok) return false;
        storeByte(bytes, element.address, i < packed.size() ? packed[i] : uint8_t{0});
    }
    return true;
}

// ---- the operations ----

int32_t MemoryMap::decodeEntry(std::string_view entry, Bytes* image) {
    Bytes* bytes = target(image);
    if (entry.empty() || !bytes) return -1;
    const auto parts = entry_text::decodeParts(entry);
    int32_t value = 0;
    std::vector<uint8_t> rawBytes;
    if (!assemble(parts.locator, *bytes, value, rawBytes)) return -1;

    const transform::KeyReader readKey = [this, image](std::string_view key) {
        return readKeyReference(key, image);
    };
    const int refusedBefore = refusedReferences_;
    for (const std::string_view group : parts.groups) {
        std::optional<int32_t> result;
        switch (transform::classifyGroup(group)) {
            case transform::GroupKind::Bcd: result = transform::decodeBcd(rawBytes); break;
            case transform::GroupKind::Ascii: result = transform::decodeAscii(rawBytes); break;
            case transform::GroupKind::Discard:
            case transform::GroupKind::Empty: return -1;
            case transform::GroupKind::Statements:
                result = transform::applyStatementGroup(group, value, readKey);
                break;
        }
        if (!result || refusedReferences_ != refusedBefore) return -1;
        value = *result;
    }
    return value;
}

bool MemoryMap::encodeEntry(std::string_view entry, int32_t value, Bytes* image) {
    Bytes* bytes = target(image);
    if (entry.empty() || !bytes) return false;
    const transform::KeyReader readKey = [this, image](std::string_view key) {
        return readKeyReference(key, image);
    };
    const int refusedBefore = refusedReferences_;
    std::string_view rest = entry;
    while (const auto group = entry_text::takeEncodeGroup(rest)) {
        switch (transform::classifyGroup(*group)) {
            case transform::GroupKind::Bcd:
                return storeBcd(entry_text::writeLocator(rest), value, *bytes);
            case transform::GroupKind::Ascii:
                return writeEntryText(entry_text::writeLocator(rest), std::to_string(value), image);
            case transform::GroupKind::Discard:
            case transform::GroupKind::Empty: break;
            case transform::GroupKind::Statements: {
                const auto result = transform::applyStatementGroup(*group, value, readKey);
                if (!result || refusedReferences_ != refusedBefore) return false;
                value = *result;
                break;
            }
        }
    }
    return storeField(entry_text::writeLocator(rest), value, *bytes);
}

int32_t MemoryMap::readMapValue(std::string_view key, Bytes* image) {
    const std::string entry = entryOf(key);
    if (!entry.empty()) return decodeEntry(entry, image);
    for (int index = 0;; ++index) {
        const std::string subEntry = entryOf(subKey(key, index));
        if (subEntry.empty() || !chargeReferenceWork()) return -1;
        const int32_t value = decodeEntry(subEntry, image);
        if (value != -1) return value;
    }
}

bool MemoryMap::writeMapValue(std::string_view key, int32_t value, Bytes* image) {
    const std::string entry = entryOf(key);
    if (!entry.empty()) return encodeEntry(entry, value, image);
    bool allWritten = true;
    for (int index = 0;; ++index) {
        const std::string subEntry = entryOf(subKey(key, index));
        if (subEntry.empty()) return index > 0 && allWritten;
        allWritten = encodeEntry(subEntry, value, image) && allWritten;
    }
}

std::string MemoryMap::readEntryText(std::string_view entry, Bytes* image) {
    Bytes* bytes = target(image);
    if (entry.empty() || !bytes) return {};
    std::string text;
    for (const std::string_view elementText :
         locator::splitElements(entry_text::textField(entry).locator)) {
        const auto element = locator::parseElement(elementText, false);
        if (outOfMap(element, *bytes)) {
            reportOutOfMap(false);
            return {};
        }
        if (element.status != Status::Ok) return {};
        const uint8_t byte = (*bytes)[static_cast<size_t>(element.address)];
        if (byte != 0) text.push_back(static_cast<char>(byte));
    }
    return text;
}

bool MemoryMap::writeEntryText(std::string_view entry, std::string_view text, Bytes* image) {
    Bytes* bytes = target(image);
    if (!bytes) return false;
    if (entry.empty()) return true;
    const auto field = entry_text::textField(entry);
    const auto elements = locator::splitElements(field.locator);
    const size_t n = elements.size();
    const size_t length = text.size();
    for (size_t i = 0; i < n; ++i) {
        const auto element = locator::parseElement(elements[i], false);
        if (outOfMap(element, *bytes)) {
            reportOutOfMap(true);
            return false;
        }
        if (element.status != Status::Ok) return false;
        char c = 0;
        if (field.alignment == entry_text::Alignment::Left) {
            if (i < length) c = text[i];
        } else {
            const size_t remaining = n - i;  // this element and those after it
            if (remaining <= length) c = text[length - remaining];
        }
        storeByte(*bytes, element.address, static_cast<uint8_t>(c));
    }
    return true;
}

}  // namespace quorprog
