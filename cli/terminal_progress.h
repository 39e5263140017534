#pragma once

#include <string>

#include "seams/gauge_position.h"
#include "seams/progress_view.h"

namespace quorprog::cli {

// The serial window on a terminal: while shown, one line on standard error with the caption and
// the gauge in percent, redrawn in place. Silent when standard error is not a terminal, so logs
// and scripts see only the messages.
class TerminalProgress : public ProgressView {
  public:
    TerminalProgress();

    void setCaption(const std::string& caption) override;
    void setRange(int minimum, int maximum) override;
    void setPosition(int position) override;
    void advance(int step) override { setPosition(gauge_.position() + step); }
    void show() override;
    void hide() override;

  private:
    void draw();

    bool enabled_;
    bool visible_ = false;
    std::string caption_ = "Serial Port Operation";
    GaugePosition gauge_;
    int shownPercent_ = -1;
};

}  // namespace quorprog::cli
