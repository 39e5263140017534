#include "model/factory_image.h"

#include <array>
#include <cstdint>
#include <string>

#include "channels/channel_table.h"
#include "channels/partition_keys.h"
#include "channels/pll.h"
#include "description/fixed_value.h"
#include "model/identification.h"
#include "description/memory_map.h"
#include "seams/prompter.h"

namespace quorprog {
namespace {

constexpr int32_t kUhfLowKHz = 470000;
constexpr int32_t kUhfHighKHz = 790000;
constexpr int32_t kIntermediateKHz = 10700;
constexpr int32_t kGroupSpacingKHz = 136000;  // groups sit in different TV channels
// Offsets of one group's 16 channels, kHz, spaced unevenly as intermodulation-free plans are;
// every one lies on the 12.5 kHz raster.
constexpr std::array<int32_t, 16> kPlanOffsetsKHz{
    0, 400, 1075, 1850, 2650, 3500, 4325, 5225, 6075, 7000, 7875, 8825, 9700, 10675, 11600, 12600};
constexpr int32_t kPlanSpanKHz = 13000;
// Far beyond any 24C memory; keeps a mistyped MemorySize from exhausting memory.
constexpr int32_t kMaxMemorySize = 1024 * 1024;

// A memory map that complains (an address outside the map) means the plan does not fit.
class FailureCollector : public Prompter {
  public:
    Answer message(const std::string&, const std::string&, Buttons, Icon) override {
        failed = true;
        return Answer::Ok;
    }
    void beep() override {}

    bool failed = false;
};

struct PartitionPlan {
    int32_t xtal, divider, prescaler, multiplier, intermediate, minKHz, maxKHz;
    bool receiver;
};

int32_t orDefault(int32_t value, int32_t fallback) {
    return value != 0 ? value : fallback;
}

PartitionPlan planOf(const DescriptionReader& description, const std::string& pllSection,
                     bool receiver) {
    const auto standard = [&](const char* key) {
        return description.readInteger(pllSection, key, 0);
    };
    return PartitionPlan{orDefault(standard("XTAL"), 12800),
                         orDefault(standard("XTALDivider0"), 1024),
                         orDefault(standard("Prescaler"), 64),
                         orDefault(standard("Multiplier"), 1),
                         receiver ? orDefault(standard("IF"), kIntermediateKHz) : 0,
                         orDefault(standard("MinFreq"), kUhfLowKHz),
                         orDefault(standard("MaxFreq"), kUhfHighKHz),
                         receiver};
}

float plannedFrequency(const PartitionPlan& plan, uint32_t p, uint32_t c) {
    const uint32_t perGroup = kPlanOffsetsKHz.size();
    const int64_t kHz = int64_t{plan.minKHz} + int64_t{p} * kGroupSpacingKHz +
                        int64_t{c / perGroup} * kPlanSpanKHz + kPlanOffsetsKHz[c % perGroup];
    return static_cast<float>(kHz);
}

// The parameters the memory map locates; a key the map lacks is a standard value of the PLL
// section and needs no byte. The IF and oscillator position of a transmitter are not read.
void writeParameters(MemoryMap& map, uint32_t p, const PartitionPlan& plan) {
    const auto write = [&](const char* key, int32_t value) {
        if (!map.entryOf(partitionKey(p, key)).empty() ||
            !map.entryOf(partitionKey(p, key) + "_0").empty()) {
            map.WriteMapValue(partitionKey(p, key), value);
        }
    };
    write("XTAL", plan.xtal);
    write("Prescaler", plan.prescaler);
    write("Multiplier", plan.multiplier);
    write("IsReceiver", plan.receiver ? 1 : 0);
    if (plan.receiver) {
        write("IF", plan.intermediate);
        write("OSCoverRF", 0);
    }
    write("MinFreq", plan.minKHz);
    write("MaxFreq", plan.maxKHz);
}

void fillTable(ChannelTable& table, uint32_t p, const PartitionPlan& plan) {
    table.XTAL[p] = plan.xtal;
    table.Prescaler[p] = plan.prescaler;
    table.Multiplier[p] = plan.multiplier;
    table.IF[p] = plan.intermediate;
    table.IsReceiver[p] = plan.receiver;
    table.OSCoverRF[p] = 0;
    table.MinFreq[p] = static_cast<uint32_t>(plan.minKHz);
    table.MaxFreq[p] = static_cast<uint32_t>(plan.maxKHz);
    for (uint32_t c = 0; c < table.FrequencyCount[p]; ++c) {
        table.R[p][c] = plan.divider;
        table.Frequency[p][c] = plannedFrequency(plan, p, c);
    }
}

void writeDividersAndSubtones(const DescriptionReader& description,
                              const std::string& subtoneSection, MemoryMap& map, uint32_t p,
                              uint32_t channels, int32_t divider) {
    uint32_t choices = 0;
    while (!description.readText(subtoneSection, indexedKey("String", choices)).empty()) {
        ++choices;
    }
    for (uint32_t c = 0; c < channels; ++c) {
        if (!map.entryOf(partitionKey(p, "R", c)).empty()) {
            map.WriteMapValue(partitionKey(p, "R", c), divider);
        }
        if (choices > 0 && !map.entryOf(partitionKey(p, "Sub", c)).empty()) {
            const int32_t code =
                description.readInteger(subtoneSection, indexedKey("Code", c % choices), 0);
            map.WriteMapValue(partitionKey(p, "Sub", c), code);
        }
    }
}

void writeFirstChoices(const DescriptionReader& description, std::string_view modelName,
                       MemoryMap& map, uint32_t p) {
    for (uint32_t i = 0;; ++i) {
        const std::string section = description.readText(modelName, partitionKey(p, "Option", i));
        if (section.empty()) return;
        const std::string address = description.readText(section, "Address");
        if (!address.empty())
            map.EncodeEntry(address, description.readInteger(section, "Code0", 0));
    }
}

void writeIdentification(MemoryMap& map, uint32_t p, uint32_t partitions, uint32_t channels) {
    const auto encodeIfLocated = [&](const char* key, int32_t value) {
        const std::string entry = map.entryOf(partitionKey(p, key));
        if (!entry.empty()) map.EncodeEntry(entry, value);
    };
    encodeIfLocated("Partitions", static_cast<int32_t>(partitions));
    encodeIfLocated("PartitionNumber", static_cast<int32_t>(p));
    encodeIfLocated("Frequencies", static_cast<int32_t>(channels));
    for (uint32_t i = 0;; ++i) {
        const std::string value = map.entryOf(partitionKey(p, "Fixed", i));
        if (value.empty()) return;
        const std::optional<FixedValue> fixed = parseFixedValue(value);
        if (!fixed) continue;  // identification reports it; the image cannot hold it
        if (fixed->isText) {
            map.WriteEntryText(fixed->entry, fixed->expectedText);
        } else {
            map.EncodeEntry(fixed->entry, fixed->expectedNumber);
        }
    }
}

// A memory smaller than the bank answers each address modulo its size.
void mirrorSmallMemory(Bytes& bytes, size_t memorySize) {
    if (memorySize == 0) return;
    for (size_t address = memorySize; address < bytes.size(); ++address) {
        bytes[address] = bytes[address % memorySize];
    }
}

}  // namespace

Bytes buildFactoryImage(const DescriptionReader& description, std::string_view modelName) {
    const int32_t partitions = description.readInteger(modelName, "Partitions", 0);
    ChannelTable table;
    table.MemoryMapName = description.readText(modelName, "Memorymap");
    if (partitions <= 0 || table.MemoryMapName.empty()) return {};
    const int32_t memorySize = description.readInteger(table.MemoryMapName, "MemorySize", 0);
    if (memorySize < 0 || memorySize > kMaxMemorySize) return {};

    MemoryImage image;
    image.reset();
    if (memorySize > static_cast<int32_t>(MemoryImage::kBankSize)) {
        image.enlargeToBanks((static_cast<size_t>(memorySize) - 1) / MemoryImage::kBankSize + 1);
    }
    FailureCollector failures;
    MemoryMap map(description, table.MemoryMapName, image, failures);

    table.PartitionCount = static_cast<uint32_t>(partitions);
    table.allocatePartitions(table.PartitionCount);
    const bool receiver = partitions > 1;
    for (uint32_t p = 0; p < table.PartitionCount; ++p) {
        const int32_t channels =
            description.readInteger(modelName, partitionKey(p, "Frequencies"), 0);
        table.allocateChannels(p, channels > 0 ? static_cast<uint32_t>(channels) : 0);
        const PartitionPlan plan =
            planOf(description, description.readText(modelName, partitionKey(p, "PLL")), receiver);
        writeIdentification(map, p, table.PartitionCount, table.FrequencyCount[p]);
        writeParameters(map, p, plan);
        writeDividersAndSubtones(description,
                                 description.readText(modelName, partitionKey(p, "Subtones")), map,
                                 p, table.FrequencyCount[p], plan.divider);
        writeFirstChoices(description, modelName, map, p);
        fillTable(table, p, plan);
        EncodeChannelFrequencies(table, map, static_cast<int32_t>(p), -1);
    }
    mirrorSmallMemory(image.bytes(), static_cast<size_t>(memorySize));

    if (failures.failed || !MatchesImage(map, table.PartitionCount, modelName)) return {};
    return image.bytes();
}

}  // namespace quorprog
