#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorprog {

// The one rule by which numbers are read from description values and expressions: leading spaces,
// then either an optional sign and decimal digits (-2147483648..2147483647), or, without a sign,
// hexadecimal digits after "$", "x", "X", "0x" or "0X", taken as a 32-bit pattern ($FFFFFFFF is
// -1). Nothing may follow. A failure is never taken as 0: it is no value.
std::optional<int32_t> parseIntegerText(std::string_view text);

}  // namespace quorprog
