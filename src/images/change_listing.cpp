#include "images/change_listing.h"

#include <cstdio>
#include <optional>

#include "text/number_text.h"
#include "text/text_ids.h"

namespace quorprog {
namespace {

constexpr const char* kArrow = " \u2192 ";

// Every significant digit of a frequency or limit in MHz, from a 6.25 kHz step's five decimals
// (240.35625) down to three, as kHz are read (471.900); "-" for none.
std::string megahertzText(double megahertz, std::string_view decimalSeparator) {
    constexpr size_t kMostDecimals = 5;
    constexpr size_t kFewestDecimals = 3;
    if (megahertz <= 0) return "-";
    std::string text = fixedDecimalText(megahertz, kMostDecimals);
    const size_t point = text.find('.');
    while (text.size() > point + 1 + kFewestDecimals && text.back() == '0') text.pop_back();
    return text.replace(point, 1, decimalSeparator);
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

std::string rangeText(double lower, double upper, std::string_view decimalSeparator) {
    return megahertzText(lower, decimalSeparator) + "-" + megahertzText(upper, decimalSeparator);
}

std::string changeLine(const ImageChange& change, const LocalTexts& texts,
                       std::string_view decimalSeparator) {
    switch (change.field) {
        case ChangeField::Frequency:
            return channelLabel(change, texts) + texts.LocalText(text::kChangeFrequency) + " " +
                   megahertzText(change.oldNumber, decimalSeparator) + kArrow +
                   megahertzText(change.newNumber, decimalSeparator) + " MHz";
        case ChangeField::Subtone:
            return channelLabel(change, texts) + texts.LocalText(text::kSubtone) + " " +
                   textOrDash(change.oldText) + kArrow + textOrDash(change.newText);
        case ChangeField::Divider:
            return channelLabel(change, texts) + texts.LocalText(text::kChangeDivider) + " " +
                   wholeNumber(change.oldNumber) + kArrow + wholeNumber(change.newNumber);
        case ChangeField::Range:
            return texts.LocalText(text::kRange) + ": " +
                   rangeText(change.oldNumber, change.oldUpper, decimalSeparator) + kArrow +
                   rangeText(change.newNumber, change.newUpper, decimalSeparator) + " MHz";
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

std::string describeImageChanges(const std::vector<ImageChange>& changes, const LocalTexts& texts,
                                 std::string_view decimalSeparator) {
    if (changes.empty()) return texts.LocalText(text::kNothingToChange) + "\n";
    std::string listing;
    std::optional<std::string> heading;
    for (const ImageChange& change : changes) {
        const std::string next = headingOf(change, texts);
        if (next != heading) {
            listing += next + "\n";
            heading = next;
        }
        listing += "  " + changeLine(change, texts, decimalSeparator) + "\n";
    }
    return listing;
}

}  // namespace quorprog
