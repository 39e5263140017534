#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "description/description_reader.h"

namespace quorprog {

enum class ChangeField {
    Frequency,  // a channel's frequency
    Subtone,    // a channel's subtone
    Divider,    // a channel's reference divider (the service dialog's step)
    Range,      // a group's frequency limits
    Option,     // one of a group's options
    Date,       // a group's programming date
    Byte,       // a byte (or some of its bits) that none of the values above explains
};

// One value that differs between two images of a model.
struct ImageChange {
    ChangeField field = ChangeField::Byte;
    uint32_t group = 0;    // every field but Byte
    uint32_t channel = 0;  // Frequency, Subtone, Divider
    std::string name;      // Option: the option's name
    // Frequency: MHz, 0 for a channel without a frequency; Divider: the divider; Range: the
    // lower limit in MHz; Byte: the byte.
    double oldNumber = 0;
    double newNumber = 0;
    // Range: the upper limit in MHz.
    double oldUpper = 0;
    double newUpper = 0;
    // Subtone, Option: the choice's name; Date: the date text.
    std::string oldText;
    std::string newText;
    uint32_t address = 0;  // Byte

    bool operator==(const ImageChange&) const = default;
};

// What turns image `before` into image `after`, both read from a device of the model modelName,
// decoded: per group, each channel's frequency, subtone and divider, then the range, the options
// and the programming date; then, by address, every byte whose differing bits belong to none of
// the values listed. When either image cannot be decoded as the model, every differing byte is
// listed as a byte. Images of different sizes compare over the shorter one. Empty when the
// images are equal.
std::vector<ImageChange> listImageChanges(const DescriptionReader& description,
                                          std::string_view modelName,
                                          std::span<const uint8_t> before,
                                          std::span<const uint8_t> after);

}  // namespace quorprog
