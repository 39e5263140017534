#include "fleet/session_progress.h"

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
    gauge_.setRange(minimum, maximum);
    update();
}

void SessionProgress::setPosition(int position) {
    gauge_.setPosition(position);
    update();
}

void SessionProgress::update() {
    const int percent = gauge_.percent();
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    if (report_) report_(state_, percent);
}

}  // namespace quorprog
