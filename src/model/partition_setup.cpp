#include "model/partition_setup.h"

#include <array>
#include <cstdint>
#include <string>

#include "channels/partition_keys.h"
#include "channels/pll.h"
#include "model/partition_lists.h"
#include "model/setup_error.h"

namespace quorprog {
namespace {

// One PLL parameter of a partition: where it is stored, the smallest value the image may hold for
// it, and its trace fragments. Yes/no parameters log yesText or noText instead of a number.
struct Parameter {
    const char* key;  // memory-map key after "Partition%d." and PLL section key
    int32_t minimum;
    bool receiverOnly;       // looked up in the image only for a receiver
    const char* valueLabel;  // numbers: the label before the value
    const char* yesText;     // yes/no parameters (valueLabel null)
    const char* noText;
    const char* missingText;
    const char* unspecifiedText;
    void (*store)(ChannelTable&, uint32_t p, int32_t value);
};

constexpr std::array<Parameter, 8> kParameters{{
    {"XTAL", 1, false, "XTAL:    ", nullptr, nullptr, "XTAL:    MISSING - ",
     "XTAL:    UNSPECIFIED - ", [](ChannelTable& t, uint32_t p, int32_t v) { t.XTAL[p] = v; }},
    {"Prescaler", 1, false, "Prescaler:    ", nullptr, nullptr, "Prescaler:    MISSING - ",
     "Prescaler:    UNSPECIFIED - ",
     [](ChannelTable& t, uint32_t p, int32_t v) { t.Prescaler[p] = v; }},
    {"Multiplier", 1, false, "Multiplier:    ", nullptr, nullptr, "Multiplier:    MISSING - ",
     "Multiplier:    UNSPECIFIED - ",
     [](ChannelTable& t, uint32_t p, int32_t v) { t.Multiplier[p] = v; }},
    {"IsReceiver", 0, false, nullptr, "TYPE:    RECEIVER - ", "TYPE:    TRANSMITTER - ",
     "TYPE:    MISSING - ", "TYPE:    UNSPECIFIED - ",
     [](ChannelTable& t, uint32_t p, int32_t v) { t.IsReceiver[p] = v != 0; }},
    {"IF", 1, true, "IF:    ", nullptr, nullptr, "IF:    MISSING - ", "IF:    UNSPECIFIED - ",
     [](ChannelTable& t, uint32_t p, int32_t v) { t.IF[p] = v; }},
    {"OSCoverRF", 0, true, nullptr, "OSC POSITION:  OSC > RF - ", "OSC POSITION:  OSC < RF - ",
     "OSC POSITION:    MISSING - ", "OSC POSITION:    UNSPECIFIED - ",
     [](ChannelTable& t, uint32_t p, int32_t v) { t.OSCoverRF[p] = v != 0; }},
    {"MinFreq", 1, false, "MinFreq:    ", nullptr, nullptr, "MinFreq:    MISSING - ",
     "MinFreq:    UNSPECIFIED - ",
     [](ChannelTable& t, uint32_t p, int32_t v) { t.MinFreq[p] = static_cast<uint32_t>(v); }},
    {"MaxFreq", 1, false, "MaxFreq:    ", nullptr, nullptr, "MaxFreq:    MISSING - ",
     "MaxFreq:    UNSPECIFIED - ",
     [](ChannelTable& t, uint32_t p, int32_t v) { t.MaxFreq[p] = static_cast<uint32_t>(v); }},
}};

// The partition being set up and what every step of it needs.
struct PartitionContext {
    ChannelTable& table;
    MemoryMap& map;
    Log& log;
    uint32_t p;
    std::string pllSection;

    int32_t standardValue(std::string_view pllKey) const {
        return map.description().readInteger(pllSection, pllKey, 0);
    }
    void logStandardValue(int32_t value) const {
        log.printf("* using standard value %d - ", value);
    }
};

// The entry text of a key, or else of its first sub-key; later sub-keys are not looked at.
std::string entryOrFirstSubKey(const MemoryMap& map, const std::string& key) {
    std::string entry = map.entryOf(key);
    if (entry.empty()) entry = map.entryOf(key + "_0");
    return entry;
}

std::string valueText(const Parameter& parameter, int32_t value) {
    if (parameter.valueLabel) {
        return parameter.valueLabel + std::to_string(value) + " - ";
    }
    return value != 0 ? parameter.yesText : parameter.noText;
}

bool setUpParameter(const PartitionContext& context, const Parameter& parameter) {
    const bool located = !parameter.receiverOnly || context.table.IsReceiver[context.p] == 1;
    const std::string entry =
        located ? entryOrFirstSubKey(context.map, partitionKey(context.p, parameter.key))
                : std::string();
    if (entry.empty()) {
        context.log.write(parameter.unspecifiedText);
        const int32_t value = context.standardValue(parameter.key);
        context.logStandardValue(value);
        parameter.store(context.table, context.p, value);
        return true;
    }
    const int32_t value = context.map.DecodeEntry(entry);
    if (value < parameter.minimum) {
        context.log.write(parameter.missingText);
        return false;
    }
    parameter.store(context.table, context.p, value);
    context.log.write(valueText(parameter, value));
    return true;
}

// An option whose image value is none of its choices keeps its index; that is no error.
void setUpOptions(const PartitionContext& context) {
    for (TOptionObject* option = context.table.Options[context.p].get(); option;
         option = option->Next.get()) {
        const int32_t choice = FindChoice(*option, context.map.DecodeEntry(option->Address));
        if (choice == -1) {
            context.log.printf("Option \"%s\" invalid code! - ", option->Name.c_str());
            context.log.write("* leaving present value - ");
            continue;
        }
        option->Index = choice;
        context.log.printf("Option \"%s\": %s - ", option->Name.c_str(),
                           (*option->Choices)[static_cast<size_t>(choice)].name.c_str());
    }
}

bool setUpDivider(const PartitionContext& context, uint32_t c) {
    int32_t& r = context.table.R[context.p][c];
    const std::string entry = entryOrFirstSubKey(context.map, partitionKey(context.p, "R", c));
    if (entry.empty()) {
        context.log.printf("R%u    UNSPECIFIED - ", c);
        r = context.standardValue("XTALDivider0");
        context.logStandardValue(r);
        return true;
    }
    const int32_t value = context.map.DecodeEntry(entry);
    if (value < 1) {
        context.log.printf("R%u:    MISSING - ", c);
        return false;
    }
    r = value;
    context.log.printf("R%u:    %d - ", c, value);
    return true;
}

bool setUpSubtone(const PartitionContext& context, uint32_t c) {
    const ListOfSUBList& subtones = context.table.SubtoneTables;
    const auto slot = static_cast<int32_t>(context.p);
    uint8_t& index = context.table.SubtoneIndex[context.p][c];
    index = 0;
    const std::string entry = entryOrFirstSubKey(context.map, partitionKey(context.p, "Sub", c));
    if (entry.empty()) {
        context.log.printf("Sub%u    UNSPECIFIED - ", c);
        context.log.printf("* using standard value \"%s\" - ",
                           subtones.SubtoneName(slot, 0).c_str());
        return true;
    }
    const int32_t code = context.map.DecodeEntry(entry);
    context.log.printf("Sub%u    %02X - ", c, static_cast<unsigned>(code));
    const int32_t found = subtones.FindSubtone(slot, code);
    // A position is one byte: a choice beyond the 256th cannot be held and would show another.
    if (found == -1 || found > UINT8_MAX) {
        context.log.write("Subcode unknown - ");
        return false;
    }
    index = static_cast<uint8_t>(found);
    return true;
}

// A channel whose counters are missing or cleared (N below 1, A below 0) has no frequency.
void setUpFrequency(const PartitionContext& context, uint32_t c) {
    context.log.printf("Computing frequency %02X - ", c);
    const int32_t n = context.map.ReadMapValue(partitionKey(context.p, "N", c));
    const int32_t a = context.map.ReadMapValue(partitionKey(context.p, "A", c));
    float& frequency = context.table.Frequency[context.p][c];
    frequency = 0.0f;
    if (n < 1 || a < 0) return;
    frequency = static_cast<float>(
        ComputeChannelFrequency(n, a, pllOfChannel(context.table, context.p, c)));
}

bool setUpFromImage(const PartitionContext& context) {
    bool ok = true;
    context.log.printf("Partition %u: - ", context.p);
    for (const Parameter& parameter : kParameters) ok = setUpParameter(context, parameter) && ok;
    setUpOptions(context);
    for (uint32_t c = 0; c < context.table.FrequencyCount[context.p]; ++c) {
        ok = setUpDivider(context, c) && ok;
        ok = setUpSubtone(context, c) && ok;
        setUpFrequency(context, c);
    }
    return ok;
}

// The model's channel count of p; a count beyond kMaxChannels is refused and gives no channels.
bool readChannelCount(const DescriptionReader& description, std::string_view modelName, uint32_t p,
                      uint32_t& channels, Prompter& prompter) {
    const int32_t count = description.readInteger(modelName, partitionKey(p, "Frequencies"), 0);
    channels = count > 0 ? static_cast<uint32_t>(count) : 0;
    if (channels <= ChannelTable::kMaxChannels) return true;
    reportSetUpError(prompter, "Too many channels for partition " + std::to_string(p) + "!");
    channels = 0;
    return false;
}

}  // namespace

bool SetUpPartitions(std::string_view modelName, ChannelTable& table, MemoryMap& map,
                     Prompter& prompter, Log& log, const MessageText& corruptMemory) {
    const DescriptionReader& description = map.description();
    table.ClearChannelTable();
    table.MemoryMapName = description.readText(modelName, "Memorymap");
    if (table.MemoryMapName.empty()) return false;

    const uint32_t partitions = table.PartitionCount;
    if (partitions > ChannelTable::kMaxPartitions) {
        reportSetUpError(prompter, "Too many partitions in model " + std::string(modelName) + "!");
        prompter.inform(corruptMemory.text, corruptMemory.caption);
        return false;
    }
    table.allocatePartitions(partitions);
    bool ok = true;
    for (uint32_t p = 0; p < partitions; ++p) {
        uint32_t channels = 0;
        ok = readChannelCount(description, modelName, p, channels, prompter) && ok;
        table.allocateChannels(p, channels);
    }

    for (uint32_t p = 0; p < partitions; ++p) {
        ok = loadPartitionLists(description, modelName, p, table, prompter) && ok;
    }
    for (uint32_t p = 0; p < partitions; ++p) {
        const PartitionContext context{table, map, log, p,
                                       description.readText(modelName, partitionKey(p, "PLL"))};
        ok = setUpFromImage(context) && ok;
    }

    if (!ok) prompter.inform(corruptMemory.text, corruptMemory.caption);
    return ok;
}

}  // namespace quorprog
