#include "service/service_items.h"

#include "text/number_text.h"

namespace quorprog {

std::vector<std::string> dividerItems(const ChannelTable& table, uint32_t g,
                                      std::string_view decimalSeparator) {
    std::vector<std::string> items{kNoChangeItem};
    if (!table.hasPartition(g)) return items;
    const auto group = static_cast<int32_t>(g);
    for (int32_t i = 0; i < table.XtalDividers.ValueCount(group); ++i) {
        const int32_t divider = table.XtalDividers.ValueAt(group, i);
        items.push_back(
            fixedDecimalText(static_cast<double>(table.XTAL[g]) / divider, 3, decimalSeparator) +
            " / " + std::to_string(divider));
    }
    return items;
}

std::string optionLabel(const TOptionObject& option) {
    std::string current;
    if (option.Choices && option.Index >= 0 &&
        static_cast<size_t>(option.Index) < option.Choices->size()) {
        current = (*option.Choices)[static_cast<size_t>(option.Index)].name;
    }
    return option.Name + " (" + current + ")";
}

std::vector<std::string> optionItems(const TOptionObject& option) {
    std::vector<std::string> items{kNoChangeItem};
    if (option.Choices) {
        for (const OptionChoice& choice : *option.Choices) items.push_back(choice.name);
    }
    return items;
}

}  // namespace quorprog
