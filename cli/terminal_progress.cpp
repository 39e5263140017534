#include "terminal_progress.h"

#include <unistd.h>

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
    gauge_.setRange(minimum, maximum);
    draw();
}

void TerminalProgress::setPosition(int position) {
    gauge_.setPosition(position);
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
    const int percent = gauge_.percent();
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    char share[8];
    std::snprintf(share, sizeof share, " %3d%%", percent);
    eraseStatusLine();
    printError(caption_ + share);
}

}  // namespace quorprog::cli
