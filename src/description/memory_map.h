#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
//
// Where the language leaves a choice: a division by zero fails the read (-1) or the write (false,
// nothing stored, since encode groups run before any store); -2147483648 / -1 gives -2147483648;
// bits named beyond the 32nd add nothing to a value read (a write gives them the repeated sign);
// bit digits 8 and 9 make the element invalid (no message); a BCD field of more than 31 bytes fails
// to read and to write; an address beyond the end of a smaller image passed in counts as outside
// the map (message), and an empty image passed in counts as no image. WriteEntryText with no image
// is false even for an empty entry. Entries are parsed afresh at every call (no cache), so an edited
// description file is followed.
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

    // A key reference inside a transform (a key named as an operand) reads that key on the same
    // image, with its own transforms and chain. References nest at most kMaxReferenceDepth deep
    // (a key that leads back to itself reaches that), and one operation spends at most
    // kReferenceBudget units on them, one per reference and one per sub-key it reads (a
    // description whose references fan out would otherwise take exponential time). A reference
    // beyond either limit is refused, and so is every later one of the same operation; an entry
    // whose groups met a refused reference fails: its read gives -1, its write false and stores
    // nothing. Other sub-keys of a chain still proceed.
    static constexpr int kMaxReferenceDepth = 8;
    static constexpr int kReferenceBudget = 1024;

private:
    // The bytes an operation works on: the passed image, else the main one; nullptr when there is
    // none (no read yet, a failed read, or an empty image passed).
    Bytes* target(Bytes* image);
    void startOperation();
    void reportOutOfMap(bool writing);
    void storeByte(Bytes& bytes, int address, uint8_t value);

    int32_t decodeEntry(std::string_view entry, Bytes* image);
    bool encodeEntry(std::string_view entry, int32_t value, Bytes* image);
    int32_t readMapValue(std::string_view key, Bytes* image);
    bool writeMapValue(std::string_view key, int32_t value, Bytes* image);
    std::string readEntryText(std::string_view entry, Bytes* image);
    bool writeEntryText(std::string_view entry, std::string_view text, Bytes* image);

    // Field assembly of a locator into a value and the raw bytes; false on a failing element.
    bool assemble(std::string_view locator, const Bytes& bytes, int32_t& value,
                  std::vector<uint8_t>& rawBytes);
    bool storeField(std::string_view locator, int32_t value, Bytes& bytes);
    bool storeBcd(std::string_view locator, int32_t value, Bytes& bytes);
    int32_t readKeyReference(std::string_view key, Bytes* image);
    // Spends one unit of the reference budget when running inside a reference; false (and the
    // reference refused) when none is left.
    bool chargeReferenceWork();

    const DescriptionReader& description_;
    const std::string& section_;
    MemoryImage& image_;
    Prompter& prompter_;
    int referenceDepth_ = 0;
    int referenceBudget_ = kReferenceBudget;
    int refusedReferences_ = 0;  // of the current operation
};

}  // namespace quorprog
