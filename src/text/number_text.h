#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorprog {

// Numbers with a fixed count of decimals, as "%0.3f" gives them in the C locale, but with the
// decimal separator given and never the C library's locale: the window passes the desktop's,
// machine output keeps ".".
std::string fixedDecimalText(double value, int decimals, std::string_view decimalSeparator = ".");

// A group's range from its limits in kHz: "470.000-790.000 MHz".
std::string rangeMHzText(uint32_t minKHz, uint32_t maxKHz, std::string_view decimalSeparator = ".");

}  // namespace quorprog
