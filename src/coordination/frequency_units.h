#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorprog::coordination {

// Coordination works in whole hertz. Channel frequencies are kHz with fractions of a kHz
// (470012.5 on a 12.5 kHz step), and intermodulation products add and subtract them; in hertz
// every product and every guard comparison is exact integer arithmetic.
using Hertz = int64_t;

constexpr Hertz kHertzPerKhz = 1000;

// kHz to the nearest hertz.
Hertz hertzFromKhz(double khz);

// A channel's frequency from a plan (kHz, as a channel table or channel file holds it): 0, an
// empty channel, unless it is a real frequency above 0 and at most 10 GHz. A file may hold any
// float; infinities and absurd values must not reach the products' arithmetic.
Hertz channelHertz(double khz);

// Hertz as kHz, for a channel table's floats and numbers in JSON.
inline double khzOf(Hertz frequency) {
    return static_cast<double>(frequency) / static_cast<double>(kHertzPerKhz);
}

// A kHz value as people and other tools read it: shortest form, a dot before any fraction,
// whatever the locale (470000, 470012.5).
std::string khzText(Hertz frequency);

// A kHz value written with digits, an optional dot and fraction (never a comma), at most
// 10 GHz, in whole hertz. Nothing when the text is not such a number or is finer than a hertz
// (0.0004): a value is never silently rounded.
std::optional<Hertz> parseKhz(std::string_view text);

}  // namespace quorprog::coordination
