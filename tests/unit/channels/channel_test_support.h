#pragma once

#include <string>
#include <string_view>

#include "channels/channel_table.h"
#include "description/description_reader.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "fakes/recording_prompter.h"
#include "seams/log.h"

namespace quorprog::testing {

// The log as one text.
class TextLog : public Log {
  public:
    void write(std::string_view text) override { text_.append(text); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// One section of the built-in description, header included, with LF line ends.
std::string defaultSection(std::string_view name);

// A description of one model "tiny" with one partition of `channels` channels on the built-in
// [PLL] and [SUBTONES] (and [HALO7-DC] for options), whose memory map [MAP] holds mapLines (one
// "key=value" per line; further sections may follow them). extraModelLines come first in [tiny]
// and so take precedence over its standard keys.
std::string tinyDescription(std::string_view mapLines, int channels = 1,
                            std::string_view extraModelLines = {});

// Everything a set-up or an encoding works on, over one description.
struct Device {
    explicit Device(std::string_view descriptionText)
        : description(DescriptionReader::fromText(descriptionText)) {
        image.reset();
    }

    DescriptionReader description;
    MemoryImage image;
    ChannelTable table;
    RecordingPrompter prompter;
    TextLog log;
    MemoryMap map{description, table.MemoryMapName, image, prompter};
};

}  // namespace quorprog::testing
