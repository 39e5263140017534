#include "terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "printable_text.h"

namespace quorprog::cli {

TerminalProgress::TerminalProgress() : enabled_(isatty(STDERR_FILENO) != 0) {}

void TerminalProgress::setCaption(const std::string& caption) {
    caption_ = caption;
    shownPercent_ = -1;
    draw();
}

void TerminalProgress::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    setPosition(position_);
}

void TerminalProgress::setPosition(int position) {
    // Like the gauge: a position outside the range shows at the nearer end.
    position_ = std::clamp(position, minimum_, std::max(minimum_, maximum_));
    draw();
}

void TerminalProgress::show() {
    visible_ = true;
    shownPercent_ = -1;
    draw();
}

void TerminalProgress::hide() {
    if (enabled_ && visible_) eraseStatusLine();
    visible_ = false;
}

void TerminalProgress::draw() {
    if (!enabled_ || !visible_) return;
    const int span = maximum_ - minimum_;
    const int percent = span > 0 ? (position_ - minimum_) * 100 / span : 0;
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    char share[8];
    std::snprintf(share, sizeof share, " %3d%%", percent);
    eraseStatusLine();
    printError(caption_ + share);
}

}  // namespace quorprog::cli
