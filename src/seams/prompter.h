#pragma once

#include <string>

namespace quorprog {

// The user's side of a modal message box. The core asks its questions and reports its failures
// through this seam, so the shell shows them in message boxes, the CLI prints them and tests
// answer them.
class Prompter {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Error, Warning, Information, Question };
    enum class Answer { Ok, Yes, No };

    virtual ~Prompter() = default;

    virtual Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                           Icon icon) = 0;
    virtual void beep() = 0;

    // The same message box with details the user may open (a longer text under the message).
    // A prompter that has no place for details shows the message alone.
    virtual Answer messageWithDetails(const std::string& text, const std::string& caption,
                                      Buttons buttons, Icon icon,
                                      const std::string& /*details*/) {
        return message(text, caption, buttons, icon);
    }

    // Shorthands for the two shapes every caller uses.
    void inform(const std::string& text, const std::string& caption, Icon icon = Icon::None) {
        message(text, caption, Buttons::Ok, icon);
    }
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon = Icon::None) {
        return message(text, caption, Buttons::YesNo, icon) == Answer::Yes;
    }
    bool askYesNoWithDetails(const std::string& text, const std::string& caption,
                             const std::string& details) {
        return messageWithDetails(text, caption, Buttons::YesNo, Icon::None, details) ==
               Answer::Yes;
    }
};

// For work nobody watches (decoding a saved image, a preview): nothing is shown and questions
// are answered No.
class SilentPrompter : public Prompter {
public:
    Answer message(const std::string&, const std::string&, Buttons buttons, Icon) override {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    void beep() override {}
};

}  // namespace quorprog
