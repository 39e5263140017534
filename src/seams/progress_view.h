#pragma once

#include <string>

namespace quorprog {

// The serial operation window as the programmer link and the commands see it: a caption and a
// gauge that is shown while the link is busy.
class ProgressView {
public:
    virtual ~ProgressView() = default;

    virtual void setCaption(const std::string& caption) = 0;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual void advance(int step) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
};

// For callers that have nothing to show (the CLI without a terminal, tests).
class NullProgressView : public ProgressView {
public:
    void setCaption(const std::string&) override {}
    void setRange(int, int) override {}
    void setPosition(int) override {}
    void advance(int) override {}
    void show() override {}
    void hide() override {}
};

}  // namespace quorprog
