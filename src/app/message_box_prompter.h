#pragma once

#include "seams/prompter.h"

class QWidget;

namespace quorprog {

// Message boxes with the exact texts and captions the core asks for.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override;
    Answer messageWithDetails(const std::string& text, const std::string& caption,
                              Buttons buttons, Icon icon, const std::string& details) override;
    void beep() override;

private:
    QWidget* parent_;
};

}  // namespace quorprog
