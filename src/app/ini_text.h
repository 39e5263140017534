#pragma once

#include <string>
#include <string_view>

namespace quorprog {

// `text`, an INI file, with `key` of `section` set to `value`. Section and key names match
// without regard to case; every other line, section and line end is kept as it was. A missing key
// is added at the end of its section, a missing section at the end of the file.
std::string withIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace quorprog
