#include "images/change_listing.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "text/text_ids.h"

namespace quorprog {
namespace {

constexpr const char* kArrow = " \u2192 ";

// A frequency or limit in MHz with three decimals, or four when the kHz have a half
// (470.0125); "-" for none.
std::string megahertzText(double megahertz) {
    if (megahertz <= 0) return "-";
    char digits[64];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, megahertz, std::chars_format::fixed, 4).ptr;
    std::string text(digits, end);
    // Three decimals always; the fourth only when it is not 0.
    if (text.back() == '0') text.pop_back();
    return text;
}

// A name or date the image does not hold (bytes of 0) shows as "-".
std::string textOrDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

std::string wholeNumber(double value) {
    return std::to_string(static_cast<long long>(value));
}

std::string channelLabel(const ImageChange& change, const LocalTexts& texts) {
    char number[16];
    std::snprintf(number, sizeof number, "%02X", change.channel);
    return texts.LocalText(text::kChangeChannel) + " " + number + ": ";
}

std::string rangeText(double lower, double upper) {
    return megahertzText(lower) + "-" + megahertzText(upper);
}

std::string changeLine(const ImageChange& change, const LocalTexts& texts) {
    switch (change.field) {
        case ChangeField::Frequency:
            return channelLabel(change, texts) + texts.LocalText(text::kChangeFrequency) + " " +
                   megahertzText(change.oldNumber) + kArrow + megahertzText(change.newNumber) +
                   " MHz";
        case ChangeField::Subtone:
            return channelLabel(change, texts) + texts.LocalText(text::kSubtone) + " " +
                   textOrDash(change.oldText) + kArrow + textOrDash(change.newText);
        case ChangeField::Divider:
            return channelLabel(change, texts) + texts.LocalText(text::kChangeDivider) + " " +
                   wholeNumber(change.oldNumber) + kArrow + wholeNumber(change.newNumber);
        case ChangeField::Range:
            return texts.LocalText(text::kRange) + ": " +
                   rangeText(change.oldNumber, change.oldUpper) + kArrow +
                   rangeText(change.newNumber, change.newUpper) + " MHz";
        case ChangeField::Option:
            return change.name + ": " + textOrDash(change.oldText) + kArrow +
                   textOrDash(change.newText);
        case ChangeField::Date:
            return texts.LocalText(text::kChangeDate) + ": " + textOrDash(change.oldText) + kArrow +
                   textOrDash(change.newText);
        case ChangeField::Byte:
            return std::to_string(change.address) + ": " + wholeNumber(change.oldNumber) + kArrow +
                   wholeNumber(change.newNumber);
    }
    return {};
}

std::string headingOf(const ImageChange& change, const LocalTexts& texts) {
    if (change.field == ChangeField::Byte) return texts.LocalText(text::kChangeOtherBytes);
    return texts.LocalText(text::kGroup) + " " + std::to_string(change.group);
}

}  // namespace

std::string describeImageChanges(const std::vector<ImageChange>& changes, const LocalTexts& texts) {
    if (changes.empty()) return texts.LocalText(text::kNothingToChange) + "\n";
    std::string listing;
    std::optional<std::string> heading;
    for (const ImageChange& change : changes) {
        const std::string next = headingOf(change, texts);
        if (next != heading) {
            listing += next + "\n";
            heading = next;
        }
        listing += "  " + changeLine(change, texts) + "\n";
    }
    return listing;
}

}  // namespace quorprog
