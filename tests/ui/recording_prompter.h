#pragma once

#include <deque>
#include <string>
#include <vector>

#include "seams/prompter.h"

namespace quorprog::testing {

// Answers message boxes from a queue (No when it runs dry) and records every box shown.
class RecordingPrompter : public Prompter {
  public:
    struct Box {
        std::string text;
        std::string caption;
        Buttons buttons;
        Icon icon;
    };

    std::vector<Box> boxes;
    std::deque<Answer> answers;
    int beeps = 0;

    Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override {
        boxes.push_back({text, caption, buttons, icon});
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }
};

}  // namespace quorprog::testing
