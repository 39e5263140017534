#pragma once

#include <functional>
#include <string>

#include "seams/gauge_position.h"
#include "seams/progress_view.h"

namespace quorprog {

// The serial window of one device session of a fleet round: its caption becomes the device's
// state and its gauge a percentage, both handed on whenever either changes.
class SessionProgress : public ProgressView {
  public:
    using Report = std::function<void(const std::string& state, int percent)>;

    explicit SessionProgress(Report report) : report_(std::move(report)) {}

    void setCaption(const std::string& caption) override;
    void setRange(int minimum, int maximum) override;
    void setPosition(int position) override;
    void advance(int step) override { setPosition(gauge_.position() + step); }
    void show() override {}
    void hide() override {}

  private:
    void update();

    Report report_;
    std::string state_;
    GaugePosition gauge_;
    int shownPercent_ = -1;
};

}  // namespace quorprog
