#pragma once

#include <string>
#include <vector>

#include "channels/channel_table.h"
#include "description/default_description.h"
#include "description/description_reader.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "fakes/recording_prompter.h"

namespace quorprog::test_support {

// A dual-group transmitter of the built-in description as partition set-up leaves it after a
// read: 16 channels per group on a 12.5 kHz step, range 470-790 MHz, both options on group 0.
class DualGroupDevice {
  public:
    static constexpr uint32_t kChannels = 16;

    DualGroupDevice()
        : description(DescriptionReader::fromText(defaultDescriptionText())),
          map(description, table.MemoryMapName, image, prompter) {
        image.reset();
        table.PartitionCount = 2;
        table.MemoryMapName = "DEFAULTMAP2PART";
        table.allocatePartitions(2);
        for (uint32_t p = 0; p < 2; ++p) setUpPartition(p);
        addOption("double click", "127[3]", {{"enabled", 1}, {"disabled", 0}});
        addOption("DDC option", "127[2]", {{"no", 1}, {"yes", 0}});
    }

    void setUpPartition(uint32_t p) {
        table.allocateChannels(p, kChannels);
        table.XTAL[p] = 12800;
        table.Prescaler[p] = 64;
        table.Multiplier[p] = 1;
        table.MinFreq[p] = 470000;
        table.MaxFreq[p] = 790000;
        for (int32_t divider : {1024, 2560, 2048, 1280, 512}) {
            table.XtalDividers.AddValue(static_cast<int32_t>(p), divider);
        }
        for (uint32_t c = 0; c < kChannels; ++c) {
            table.R[p][c] = 1024;
            table.Frequency[p][c] = 470000.0f + 12500.0f * static_cast<float>(c + 16 * p);
        }
    }

    void addOption(const std::string& name, const std::string& address,
                   std::vector<OptionChoice> choices) {
        TOptionObject& option = AppendOption(table.Options[0]);
        option.Name = name;
        option.Address = address;
        *option.Choices = std::move(choices);
    }

    testing::RecordingPrompter prompter;
    DescriptionReader description;
    ChannelTable table;
    MemoryImage image;
    MemoryMap map;
};

}  // namespace quorprog::test_support
