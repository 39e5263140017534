#include "channels/option_object.h"

namespace quorprog {

TOptionObject::~TOptionObject() {
    // Unlink the successors one by one so a long chain never recurses deeply.
    std::unique_ptr<TOptionObject> rest = std::move(Next);
    while (rest) rest = std::move(rest->Next);
}

TOptionObject& AppendOption(std::unique_ptr<TOptionObject>& first) {
    if (!first) first = std::make_unique<TOptionObject>();
    TOptionObject* node = first.get();
    if (node->Choices) {
        while (node->Next) node = node->Next.get();
        node->Next = std::make_unique<TOptionObject>();
        node = node->Next.get();
    }
    node->Choices.emplace();
    return *node;
}

int32_t FindChoice(const TOptionObject& option, int32_t code) {
    if (!option.Choices) return -1;
    const std::vector<OptionChoice>& choices = *option.Choices;
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].code == code) return static_cast<int32_t>(i);
    }
    return -1;
}

}  // namespace quorprog
