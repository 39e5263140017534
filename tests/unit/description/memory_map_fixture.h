#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "description/default_description.h"
#include "description/description_reader.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "fakes/recording_prompter.h"

namespace quorprog::testing {

inline const std::string kReadingError = "Reading data byte on flash out of memory map!";
inline const std::string kWritingError = "Writing data byte on flash out of memory map!";

// A memory map over a description (the built-in one unless given), a fresh 256-byte image and a
// recording prompter.
class MemoryMapTest : public ::testing::Test {
protected:
    explicit MemoryMapTest(std::string description = std::string(defaultDescriptionText()),
                           std::string mapSection = "DEFAULTMAP2PART")
        : reader(DescriptionReader::fromText(description)), section(std::move(mapSection)) {
        image.reset();
    }

    void setBytes(std::initializer_list<std::pair<int, uint8_t>> bytes) {
        for (const auto& [address, value] : bytes) image.bytes()[address] = value;
    }
    uint8_t byte(int address) const { return image.bytes()[address]; }
    bool changed(int address) const { return image.isChanged(address); }
    int changedCount() const {
        int count = 0;
        for (uint8_t flag : image.changedFlags()) count += flag;
        return count;
    }

    // The one error box an address failure shows.
    void expectOneError(const std::string& text) {
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0], (RecordingPrompter::Message{text, "ERROR", Prompter::Buttons::Ok,
                                                                    Prompter::Icon::Error}));
        prompter.clear();
    }
    void expectNoMessage() { EXPECT_TRUE(prompter.messages.empty()) << prompter.messages[0].text; }

    DescriptionReader reader;
    std::string section;
    MemoryImage image;
    RecordingPrompter prompter;
    MemoryMap map{reader, section, image, prompter};
};

}  // namespace quorprog::testing
