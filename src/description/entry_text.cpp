#include "description/entry_text.h"

namespace quorprog::entry_text {
namespace {

constexpr auto npos = std::string_view::npos;

std::string_view afterFirst(std::string_view text, std::string_view word) {
    const size_t at = text.find(word);
    return at == npos ? text : text.substr(at + word.size());
}

}  // namespace

DecodeParts decodeParts(std::string_view entry) {
    DecodeParts parts;
    const std::string_view text = afterFirst(entry, "|");
    const size_t lastClose = text.rfind(')');
    parts.locator = lastClose == npos ? text : text.substr(lastClose + 1);
    size_t at = 0;
    while (at < text.size() && text[at] == '(') {
        const size_t close = text.find(')', at);
        if (close == npos) break;
        parts.groups.push_back(text.substr(at + 1, close - at - 1));
        at = close + 1;
    }
    return parts;
}

std::optional<std::string_view> takeEncodeGroup(std::string_view& rest) {
    for (;;) {
        const size_t bar = rest.find('|');
        const size_t open = rest.find('(');
        const size_t close = rest.find(')');
        if (bar == npos || open == npos || close == npos || open > bar || close > bar)
            return std::nullopt;
        if (close < open) {  // a ")" with no "(" in front: text before the group, ignored
            rest.remove_prefix(close + 1);
            continue;
        }
        const std::string_view group = rest.substr(open + 1, close - open - 1);
        rest.remove_prefix(close + 1);
        return group;
    }
}

std::string_view writeLocator(std::string_view entry) {
    const std::string_view rest = afterFirst(entry, "|");
    const size_t lastOpen = rest.rfind('(');
    size_t start = 0;  // rest.substr(start) still holds a "(" while lastOpen >= start
    while (lastOpen != npos && lastOpen >= start) {
        const size_t close = rest.find(')', start);
        if (close == npos) break;
        start = close + 1;
    }
    return rest.substr(start);
}

TextField textField(std::string_view entry) {
    TextField field;
    if (const size_t left = entry.find("LEFT"); left != npos) {
        field.locator = entry.substr(left + 4);
    } else if (const size_t right = entry.find("RIGHT"); right != npos) {
        field.alignment = Alignment::Right;
        field.locator = entry.substr(right + 5);
    } else {
        field.locator = entry;
    }
    return field;
}

}  // namespace quorprog::entry_text
