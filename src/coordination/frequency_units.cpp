#include "coordination/frequency_units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quorprog::coordination {

namespace {

constexpr double kLargestKhz = 1.0e7;

}  // namespace

Hertz hertzFromKhz(double khz) {
    return std::llround(khz * static_cast<double>(kHertzPerKhz));
}

Hertz channelHertz(double khz) {
    return std::isfinite(khz) && khz > 0 && khz <= kLargestKhz ? hertzFromKhz(khz) : 0;
}

std::string khzText(Hertz frequency) {
    const Hertz magnitude = frequency < 0 ? -frequency : frequency;
    std::string text = frequency < 0 ? "-" : "";
    text += std::to_string(magnitude / kHertzPerKhz);
    const Hertz fraction = magnitude % kHertzPerKhz;
    if (fraction == 0) return text;
    std::string digits = std::to_string(fraction + kHertzPerKhz).substr(1);  // three digits
    while (digits.back() == '0') digits.pop_back();
    return text + "." + digits;
}

std::optional<Hertz> parseKhz(std::string_view text) {
    // Digits with an optional dot and fraction, worked out in whole hertz without a double: a
    // fraction finer than a hertz is refused rather than rounded, and exponents, signs, "inf"
    // and "nan" are no frequencies.
    const size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    const auto digitsOnly = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if ((whole.empty() && fraction.empty()) || !digitsOnly(whole) || !digitsOnly(fraction) ||
        fraction.find_first_not_of('0', 3) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view significant = whole.substr(std::min(whole.size(), whole.find_first_not_of('0')));
    if (significant.size() > 8) return std::nullopt;  // beyond 10 GHz
    Hertz khz = 0;
    for (const char digit : significant) khz = khz * 10 + (digit - '0');
    Hertz hertz = khz * kHertzPerKhz;
    for (size_t i = 0, scale = 100; i < 3; ++i, scale /= 10)
        if (i < fraction.size()) hertz += (fraction[i] - '0') * static_cast<Hertz>(scale);
    if (hertz > hertzFromKhz(kLargestKhz)) return std::nullopt;
    return hertz;
}

}  // namespace quorprog::coordination
