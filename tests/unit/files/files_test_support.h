#pragma once

#include <string>
#include <vector>

#include "channels/channel_table.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

namespace quorprog::test {

// The "dual group system" of the built-in description as a read would leave it: two groups of
// 16 channels with the description's subtone list, group 0 a receiver over 470-790 MHz, group 1
// a transmitter over 500-600 MHz, every channel with a frequency and a subtone.
ChannelTable defaultDualGroupTable();

// The program's own texts with English selected.
inline const LocalTexts kEnglish;

struct ShownMessage {
    std::string text;
    std::string caption;

    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// Answers every box with OK and keeps what was shown.
class RecordingPrompter : public Prompter {
  public:
    Answer message(const std::string& text, const std::string& caption, Buttons, Icon) override {
        shown.push_back({text, caption});
        return Answer::Ok;
    }
    void beep() override {}

    std::vector<ShownMessage> shown;
};

inline const ShownMessage kFileRead{"File successfully read!", "INFORMATION"};
inline const ShownMessage kSubtoneUnavailable{
    "Some subtone code in the imported file isn't available with the current hardware! Such "
    "subtones will be set to default value!",
    "ERROR"};

}  // namespace quorprog::test
