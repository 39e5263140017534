#pragma once

#include <deque>
#include <string>
#include <vector>

#include "seams/prompter.h"

namespace quorprog::testing {

// A Prompter that records every message box and beep instead of showing them. Yes/No questions
// are answered from a queue of scripted answers, then with `defaultAnswer`; OK boxes answer Ok.
class RecordingPrompter : public Prompter {
public:
    struct Message {
        std::string text;
        std::string caption;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;

        bool operator==(const Message&) const = default;
    };

    Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override {
        messages.push_back({text, caption, buttons, icon});
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) return defaultAnswer;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    Answer messageWithDetails(const std::string& text, const std::string& caption,
                              Buttons buttons, Icon icon, const std::string& details) override {
        lastDetails = details;
        return message(text, caption, buttons, icon);
    }

    void beep() override { ++beeps; }

    // The texts of the recorded messages, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& m : messages) result.push_back(m.text);
        return result;
    }

    // The recorded messages as "caption: text" lines, in order.
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        for (const auto& m : messages) result.push_back(m.caption + ": " + m.text);
        return result;
    }

    void clear() {
        messages.clear();
        lastDetails.clear();
        beeps = 0;
    }

    std::vector<Message> messages;
    // The details of the last message box that had any.
    std::string lastDetails;
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::No;
    int beeps = 0;
};

}  // namespace quorprog::testing
