#pragma once

#include <string_view>

namespace quorprog {

// The built-in device description, byte for byte as resources/quorprog.cfg (CR LF line ends).
// The program writes it over quorprog.cfg at every start.
std::string_view defaultDescriptionText();

}  // namespace quorprog
