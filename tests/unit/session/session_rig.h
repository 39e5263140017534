#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "model/factory_image.h"
#include "description/default_description.h"
#include "description/description_reader.h"
#include "fakes/fake_programmer_line.h"
#include "fakes/recording_prompter.h"
#include "programmer/programmer_link.h"
#include "seams/clock.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "session/device_session.h"
#include "text/local_texts.h"

namespace quorprog::testing {

// A device session wired to a fake programmer on COM1 that holds `memory`, with the programmer
// found by a scan and chosen, as the main window has it after start-up.
struct SessionRig {
    explicit SessionRig(std::vector<uint8_t> memory,
                        std::string_view descriptionText = defaultDescriptionText())
        : description(DescriptionReader::fromText(descriptionText)), line(std::move(memory)) {
        link.ScanProgrammers();
        link.SelectProgrammer(0);
        line.commands.clear();
    }

    DescriptionReader description;
    FakeProgrammerLine line;
    NullLog log;
    RecordingPrompter prompter;
    NullProgressView progress;
    FixedClock clock{{2026, 12, 6}};
    LocalTexts texts;
    ProgrammerLink link{line, log, prompter, progress};
    DeviceSession session{description, {prompter, progress, log, clock, texts}};
};

inline RecordingPrompter::Message box(std::string text, std::string caption,
                                      Prompter::Buttons buttons = Prompter::Buttons::Ok) {
    return {std::move(text), std::move(caption), buttons, Prompter::Icon::None};
}

inline Bytes factoryDevice(std::string_view model, size_t memorySize = 256) {
    Bytes image = buildFactoryImage(DescriptionReader::fromText(defaultDescriptionText()), model);
    image.resize(memorySize);
    return image;
}

// A description (the built-in one unless given) with one text replaced, every occurrence.
inline std::string editedDescription(std::string_view from, std::string_view to,
                                     std::string_view base = defaultDescriptionText()) {
    std::string text(base);
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace quorprog::testing
