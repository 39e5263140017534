#pragma once

#include <algorithm>

namespace quorprog {

// A gauge's range and position as the serial window keeps them, for the views that show it
// elsewhere (a terminal line, a fleet's device state): a position outside the range shows at
// the nearer end, and its share of the range is counted in whole percent.
class GaugePosition {
  public:
    void setRange(int minimum, int maximum) {
        minimum_ = minimum;
        maximum_ = maximum;
        setPosition(position_);
    }
    void setPosition(int position) {
        position_ = std::clamp(position, minimum_, std::max(minimum_, maximum_));
    }
    int position() const { return position_; }
    int percent() const {
        const int span = maximum_ - minimum_;
        return span > 0 ? (position_ - minimum_) * 100 / span : 0;
    }

  private:
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace quorprog
