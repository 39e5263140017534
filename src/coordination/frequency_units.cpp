#include "coordination/frequency_units.h"

#include <charconv>
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
    // from_chars would also take exponents, "inf" and "nan"; only plain decimals are frequencies.
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    double khz = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), khz);
    if (error != std::errc() || end != text.data() + text.size() || khz > kLargestKhz)
        return std::nullopt;
    return hertzFromKhz(khz);
}

}  // namespace quorprog::coordination
