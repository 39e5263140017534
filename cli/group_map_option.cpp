#include "group_map_option.h"

#include <set>
#include <sstream>

#include "command_line.h"
#include "description/integer_text.h"

namespace quorprog::cli {

namespace {

[[noreturn]] void badGroupMap(const std::string& mapping) {
    throw UsageError("program: --map wants FILE_GROUP:DEVICE_GROUP pairs, not \"" + mapping + "\"");
}

uint32_t groupNumber(const std::string& text, const std::string& mapping) {
    const auto value = parseIntegerText(text);
    if (!value || *value < 0) badGroupMap(mapping);
    return static_cast<uint32_t>(*value);
}

}  // namespace

GroupMap parseGroupMap(const std::string& mapping) {
    GroupMap pairs;
    std::set<uint32_t> sources;
    std::stringstream items(mapping);
    for (std::string item; std::getline(items, item, ',');) {
        const size_t colon = item.find(':');
        if (colon == std::string::npos) badGroupMap(mapping);
        const uint32_t from = groupNumber(item.substr(0, colon), mapping);
        const uint32_t to = groupNumber(item.substr(colon + 1), mapping);
        if (!sources.insert(from).second) {
            throw UsageError("program: --map names file group " + std::to_string(from) + " twice");
        }
        pairs.emplace_back(from, to);
    }
    if (pairs.empty()) badGroupMap(mapping);
    return pairs;
}

}  // namespace quorprog::cli
