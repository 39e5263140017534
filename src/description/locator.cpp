#include "description/locator.h"

#include "description/integer_text.h"

namespace quorprog::locator {

std::vector<std::string_view> splitElements(std::string_view locator) {
    std::vector<std::string_view> elements;
    for (;;) {
        const size_t comma = locator.find(',');
        elements.push_back(locator.substr(0, comma));
        if (comma == std::string_view::npos) break;
        locator.remove_prefix(comma + 1);
    }
    return elements;
}

Element parseElement(std::string_view text, bool allowBitList) {
    Element element;
    std::string_view addressText = text;
    size_t open = std::string_view::npos;
    if (allowBitList) {
        open = text.find('[');
        addressText = text.substr(0, open);
    }
    const auto address = parseIntegerText(addressText);
    if (!address) return element;
    if (*address < 0 || *address > kLastAddress) {
        element.status = Element::Status::OutOfRange;
        return element;
    }
    element.address = *address;
    if (open != std::string_view::npos) {
        // The list runs to a closing "]" that ends the element; nothing may follow it.
        const std::string_view rest = text.substr(open + 1);
        if (rest.empty() || rest.back() != ']') return element;
        element.bits = rest.substr(0, rest.size() - 1);
        for (const char digit : element.bits)
            if (digit < '0' || digit > '0' + kMaxBitDigit) return element;
        element.hasBitList = true;
    }
    element.status = Element::Status::Ok;
    return element;
}

}  // namespace quorprog::locator
