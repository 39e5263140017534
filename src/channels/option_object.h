#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorprog {

struct OptionChoice {
    std::string name;  // String%d of the option section
    int32_t code = 0;  // Code%d: the value the option's address holds for this choice
};

// One device option of a partition, a node of the partition's option chain. A node owns its
// choices and its successor: destroying the first node destroys the whole chain. The list box the
// service dialog builds for an option is the dialog's own business and is not kept here.
class TOptionObject {
  public:
    TOptionObject() = default;
    TOptionObject(const TOptionObject&) = delete;
    TOptionObject& operator=(const TOptionObject&) = delete;
    ~TOptionObject();

    std::string Name;     // display name (key Name)
    std::string Address;  // entry text locating the option's value (key Address)
    int32_t Index = 0;    // the selected choice
    // No value until AppendOption hands the node out.
    std::optional<std::vector<OptionChoice>> Choices;
    std::unique_ptr<TOptionObject> Next;
};

// Appends a node to the chain starting at first and returns it with a new empty choice list. An
// empty chain (no first node, or a first node without a choice list) gets its first node.
TOptionObject& AppendOption(std::unique_ptr<TOptionObject>& first);

// Position of the first choice whose code equals code (all 32 bits); -1 when none or no list.
int32_t FindChoice(const TOptionObject& option, int32_t code);

}  // namespace quorprog
