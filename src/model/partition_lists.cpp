#include "model/partition_lists.h"

#include <string>
#include <vector>

#include "channels/partition_keys.h"
#include "model/setup_error.h"

namespace quorprog {
namespace {

std::string withPartition(std::string_view text, uint32_t p) {
    return std::string(text) + std::to_string(p);
}

bool loadXtalDividers(const DescriptionReader& description, std::string_view pllSection, uint32_t p,
                      ListOfINTList& dividers, Prompter& prompter) {
    bool any = false;
    for (uint32_t i = 0;; ++i) {
        const int32_t divider =
            description.readInteger(pllSection, indexedKey("XTALDivider", i), 0);
        if (divider == 0) break;
        dividers.AddValue(static_cast<int32_t>(p), divider);
        any = true;
    }
    if (!any)
        reportSetUpError(prompter, withPartition("No XTAL divider loaded for partition ", p) + "!");
    return any;
}

// Calls add(name, code) for String0/Code0, String1/Code1, ... up to the first empty name.
template <typename Add>
void forEachChoice(const DescriptionReader& description, std::string_view section, Add add) {
    for (uint32_t i = 0;; ++i) {
        const std::string name = description.readText(section, indexedKey("String", i));
        if (name.empty()) return;
        add(name, description.readInteger(section, indexedKey("Code", i), 0));
    }
}

bool loadSubtones(const DescriptionReader& description, std::string_view modelName, uint32_t p,
                  ListOfSUBList& subtones, Prompter& prompter) {
    const std::string section = description.readText(modelName, partitionKey(p, "Subtones"));
    if (section.empty()) {
        reportSetUpError(prompter, withPartition("Subtones section missing for partition ", p));
        return false;
    }
    forEachChoice(description, section, [&](const std::string& name, int32_t code) {
        subtones.AddSubtone(static_cast<int32_t>(p), name, code);
    });
    return true;
}

bool loadOptions(const DescriptionReader& description, std::string_view modelName, uint32_t p,
                 std::unique_ptr<TOptionObject>& chain, Prompter& prompter) {
    bool complete = true;
    for (uint32_t i = 0;; ++i) {
        const std::string section = description.readText(modelName, partitionKey(p, "Option", i));
        if (section.empty()) return complete;
        TOptionObject& option = AppendOption(chain);
        option.Name = description.readText(section, "Name");
        if (option.Name.empty()) {
            // The nameless option stays in the chain, so later options keep their positions.
            reportSetUpError(prompter, withPartition("Options section missing for partition ", p));
            complete = false;
            continue;
        }
        option.Address = description.readText(section, "Address");
        forEachChoice(description, section, [&](const std::string& name, int32_t code) {
            option.Choices->push_back({name, code});
        });
    }
}

}  // namespace

bool loadPartitionLists(const DescriptionReader& description, std::string_view modelName,
                        uint32_t p, ChannelTable& table, Prompter& prompter) {
    const std::string pllSection = description.readText(modelName, partitionKey(p, "PLL"));
    const bool dividers =
        loadXtalDividers(description, pllSection, p, table.XtalDividers, prompter);
    const bool subtones = loadSubtones(description, modelName, p, table.SubtoneTables, prompter);
    const bool options = loadOptions(description, modelName, p, table.Options.at(p), prompter);
    return dividers && subtones && options;
}

}  // namespace quorprog
