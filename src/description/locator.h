#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorprog {

// The locator half of an entry text: byte addresses of the first bank, separated by ",", each
// optionally followed at once by a bracketed list of single bit digits ("9[7],10,11[01]").
// Elements are judged one at a time, because a write stores the elements before a bad one.
namespace locator {

constexpr int kLastAddress = 255;  // the language reaches the first bank only
constexpr int kMaxBitDigit = 7;    // digits 8 and 9 name no bit of a byte: the element is invalid

// The elements of a locator, split at every ",". An empty text is one empty element.
std::vector<std::string_view> splitElements(std::string_view locator);

struct Element {
    enum class Status {
        Ok,
        Invalid,     // address not an integer text, or a malformed bit list: no message
        OutOfRange,  // address outside 0..255: the caller shows its address message
    };
    Status status = Status::Invalid;
    int address = 0;
    bool hasBitList = false;
    std::string_view bits;  // the digits between "[" and "]", in listed order (each '0'..'7')
};

// One element. With `allowBitList` false (text fields, BCD writing) the whole element is the
// address text, so a bracket makes it invalid. The address is converted first, then range-checked,
// then the bit digits are checked, so "300[9]" is out of range and "5[9]" invalid.
Element parseElement(std::string_view text, bool allowBitList);

}  // namespace locator
}  // namespace quorprog
