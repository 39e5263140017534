#include "fleet/session_progress.h"

#include <algorithm>

namespace quorprog {

void SessionProgress::setCaption(const std::string& caption) {
    // "Reading ...", "Checking... ", "Writing... ": the state without its dots and blanks.
    std::string state = caption;
    while (!state.empty() && (state.back() == '.' || state.back() == ' ')) state.pop_back();
    if (state == state_) return;
    state_ = state;
    shownPercent_ = -1;
    update();
}

void SessionProgress::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    setPosition(position_);
}

void SessionProgress::setPosition(int position) {
    // Like the gauge: a position outside the range shows at the nearer end.
    position_ = std::clamp(position, minimum_, std::max(minimum_, maximum_));
    update();
}

void SessionProgress::update() {
    const int span = maximum_ - minimum_;
    const int percent = span > 0 ? (position_ - minimum_) * 100 / span : 0;
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    if (report_) report_(state_, percent);
}

}  // namespace quorprog
