#pragma once

#include <string>

#include "seams/prompter.h"
#include "text/local_texts.h"

namespace quorprog {

// The message boxes of one device session of a fleet round, which nobody watches. The round's one
// write question has been answered already, so the session's own write question is answered Yes;
// any other question (a low battery, a backup that failed) is answered No. The first error or
// warning of the current step is kept: it is why the device failed.
class SessionPrompter : public Prompter {
  public:
    explicit SessionPrompter(const LocalTexts& texts);

    Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override;
    void beep() override {}

    // A new step (read, plan, write): earlier problems no longer explain a failure.
    void startStep() { problem_.clear(); }
    // The first problem of the step on one line; empty when there was none.
    const std::string& problem() const { return problem_; }

  private:
    std::string writeQuestion_;
    std::string errorCaption_;
    std::string warningCaption_;
    std::string problem_;
};

}  // namespace quorprog
