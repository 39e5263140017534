#include "files_test_support.h"

#include "description/default_description.h"
#include "description/description_reader.h"

namespace quorprog::test {

ChannelTable defaultDualGroupTable() {
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    const std::string model = "dual group system";

    ChannelTable table;
    table.PartitionCount = description.readInteger(model, "Partitions", 0);
    table.MemoryMapName = description.readText(model, "Memorymap");
    table.allocatePartitions(table.PartitionCount);
    for (uint32_t p = 0; p < table.PartitionCount; ++p) {
        const std::string prefix = "Partition" + std::to_string(p) + ".";
        const std::string pll = description.readText(model, prefix + "PLL");
        const std::string subtones = description.readText(model, prefix + "Subtones");
        for (int i = 0;; ++i) {
            const std::string name = description.readText(subtones, "String" + std::to_string(i));
            if (name.empty()) break;
            table.SubtoneTables.AddSubtone(
                p, name, description.readInteger(subtones, "Code" + std::to_string(i), 0));
        }
        table.XTAL[p] = description.readInteger(pll, "XTAL", 0);
        table.Prescaler[p] = description.readInteger(pll, "Prescaler", 0);
        table.Multiplier[p] = description.readInteger(pll, "Multiplier", 0);
        table.IsReceiver[p] = p == 0 ? 1 : 0;
        table.MinFreq[p] = p == 0 ? 470000 : 500000;
        table.MaxFreq[p] = p == 0 ? 790000 : 600000;

        const uint32_t channels = description.readInteger(model, prefix + "Frequencies", 0);
        table.allocateChannels(p, channels);
        for (uint32_t c = 0; c < channels; ++c) {
            table.Frequency[p][c] = static_cast<float>(table.MinFreq[p] + 12.5 * (c + 1));
            table.R[p][c] = description.readInteger(pll, "XTALDivider0", 0);
            table.SubtoneIndex[p][c] = static_cast<uint8_t>(c);
        }
    }
    return table;
}

}  // namespace quorprog::test
