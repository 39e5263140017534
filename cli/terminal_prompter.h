#pragma once

#include <cstdio>
#include <string>

#include "seams/prompter.h"

namespace quorprog::cli {

// Message boxes on a terminal: every message goes to standard error as "CAPTION: text" (a box
// without a caption prints its text alone). A question is answered Yes when the user said --yes;
// otherwise it is asked on the terminal, and answered No when there is none to ask on.
// Beeps are not heard.
class TerminalPrompter : public Prompter {
  public:
    // `whyNo` follows the No given when there is no terminal to ask on.
    explicit TerminalPrompter(bool answerYes, std::string whyNo = "--yes answers yes")
        : answerYes_(answerYes), whyNo_(std::move(whyNo)) {}

    Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override;
    void beep() override {}

  private:
    Answer ask();

    bool answerYes_;
    std::string whyNo_;
};

}  // namespace quorprog::cli
