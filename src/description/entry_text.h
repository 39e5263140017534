#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quorprog {

// The shape of an entry text: encode groups, a bar "|", decode groups and the locator, each part
// optional ("(E1)(E2)|(D1)(D2)locator"). A group runs from "(" to the first ")" after it; groups
// do not nest. These functions only cut the text; the groups are run by transform_expression.
namespace entry_text {

// Reading. Everything up to and including the first "|" is dropped; the locator is the text after
// the last ")" of what remains. The decode groups are the groups standing at the start of what
// remains, each right after the one before (nothing between them, not even a space); anything
// else before the locator is ignored.
struct DecodeParts {
    std::vector<std::string_view> groups;  // group texts without their parentheses
    std::string_view locator;
};
DecodeParts decodeParts(std::string_view entry);

// Writing. While `rest` holds a "|" with its first "(" and its first ")" before it, the first group
// is an encode group: its text is returned and it is removed from the front of `rest` together with
// everything before its ")". A stray ")" before the first "(" is dropped as text before a group.
std::optional<std::string_view> takeEncodeGroup(std::string_view& rest);

// The locator a write stores into: everything up to and including the first "|" is dropped, then,
// while the rest holds both "(" and ")", everything up to and including its first ")".
std::string_view writeLocator(std::string_view entry);

// Text fields (ReadEntryText, WriteEntryText, ASCII writing): "LEFT" is looked for first, then
// "RIGHT"; the entry is cut after the first occurrence of the word found. Left is the default.
enum class Alignment { Left, Right };
struct TextField {
    Alignment alignment = Alignment::Left;
    std::string_view locator;
};
TextField textField(std::string_view entry);

}  // namespace entry_text
}  // namespace quorprog
