#include "service/service_changes.h"

#include <optional>
#include <string>

#include "channels/partition_keys.h"
#include "description/integer_text.h"

namespace quorprog {
namespace {

void applyDivider(ChannelTable& table, MemoryMap& map, uint32_t g, int32_t choice,
                  const GroupViewHooks& display) {
    if (choice == ServiceChanges::kNoChange) return;
    const int32_t divider = table.XtalDividers.ValueAt(static_cast<int32_t>(g), choice);
    if (divider > 0) {
        for (uint32_t c = 0; c < table.FrequencyCount[g]; ++c) {
            table.R[g][c] = divider;
            map.WriteMapValue(partitionKey(g, "R", c), divider);
        }
    }
    // Even an unusable divider re-encodes the group, so the grid and panel match the image.
    if (display.commitAllFrequencies) display.commitAllFrequencies();
    if (display.showGroupInfo) display.showGroupInfo();
}

// A frequency limit in kHz: an integer that is not negative. The table holds limits unsigned, so
// a negative one would turn into a huge limit that the image could never hold.
std::optional<uint32_t> parseLimit(const std::string& text) {
    const std::optional<int32_t> value = parseIntegerText(text);
    if (!value || *value < 0) return std::nullopt;
    return static_cast<uint32_t>(*value);
}

void applyRange(ChannelTable& table, MemoryMap& map, uint32_t g, const ServiceChanges& changes,
                const GroupViewHooks& display) {
    if (changes.minFreqText.empty() || changes.maxFreqText.empty()) return;
    const std::optional<uint32_t> minFreq = parseLimit(changes.minFreqText);
    const std::optional<uint32_t> maxFreq = parseLimit(changes.maxFreqText);
    if (!minFreq || !maxFreq) return;
    table.MinFreq[g] = *minFreq;
    table.MaxFreq[g] = *maxFreq;
    map.WriteMapValue(partitionKey(g, "MinFreq"), static_cast<int32_t>(*minFreq));
    map.WriteMapValue(partitionKey(g, "MaxFreq"), static_cast<int32_t>(*maxFreq));
    if (display.showGroupInfo) display.showGroupInfo();
}

void applyOptions(ChannelTable& table, MemoryMap& map, uint32_t g,
                  const std::vector<int32_t>& choices) {
    size_t k = 0;
    for (TOptionObject* option = table.Options[g].get(); option && k < choices.size();
         option = option->Next.get(), ++k) {
        const int32_t choice = choices[k];
        if (choice == ServiceChanges::kNoChange || !option->Choices) continue;
        if (choice < 0 || static_cast<size_t>(choice) >= option->Choices->size()) continue;
        option->Index = choice;
        map.EncodeEntry(option->Address, (*option->Choices)[static_cast<size_t>(choice)].code);
    }
}

}  // namespace

void applyServiceChanges(ChannelTable& table, MemoryMap& map, uint32_t g,
                         const ServiceChanges& changes, const GroupViewHooks& display) {
    if (!table.hasPartition(g)) return;
    applyDivider(table, map, g, changes.dividerChoice, display);
    applyRange(table, map, g, changes, display);
    applyOptions(table, map, g, changes.optionChoices);
}

}  // namespace quorprog
