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

    // Shorthands for the two shapes every caller uses.
    void inform(const std::string& text, const std::string& caption, Icon icon = Icon::None) {
        message(text, caption, Buttons::Ok, icon);
    }
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon = Icon::None) {
        return message(text, caption, Buttons::YesNo, icon) == Answer::Yes;
    }
};

}  // namespace quorprog
