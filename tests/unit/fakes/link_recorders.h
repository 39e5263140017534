#pragma once

#include <string>
#include <vector>

#include "seams/log.h"
#include "seams/progress_view.h"

namespace quorprog::testing {

// The log as one text, to compare with the exact lines expected.
class RecordingLog : public Log {
  public:
    void write(std::string_view text) override { text_.append(text); }
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

  private:
    std::string text_;
};

// The progress window's state as the link left it.
class RecordingProgressView : public ProgressView {
  public:
    void setCaption(const std::string& text) override { caption = text; }
    void setRange(int low, int high) override {
        minimum = low;
        maximum = high;
    }
    void setPosition(int value) override { position = value; }
    void advance(int step) override { position += step; }
    void show() override {
        visible = true;
        ++shows;
    }
    void hide() override { visible = false; }

    std::string caption;
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    bool visible = false;
    int shows = 0;
};

}  // namespace quorprog::testing
