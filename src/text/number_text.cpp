#include "text/number_text.h"

#include <charconv>

namespace quorprog {

std::string fixedDecimalText(double value, int decimals, std::string_view decimalSeparator) {
    char digits[400];  // the longest double in fixed notation, with room for the decimals
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(digits, end);
    if (const size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::string rangeMHzText(uint32_t minKHz, uint32_t maxKHz, std::string_view decimalSeparator) {
    return fixedDecimalText(minKHz * 0.001, 3, decimalSeparator) + "-" +
           fixedDecimalText(maxKHz * 0.001, 3, decimalSeparator) + " MHz";
}

}  // namespace quorprog
