#include "app/hover_help.h"

#include <QEvent>
#include <QLabel>

#include "text/local_texts.h"

namespace quorprog {

HoverHelp::HoverHelp(QLabel* helpLabel, const LocalTexts& texts, QObject* parent)
    : QObject(parent), helpLabel_(helpLabel), texts_(texts) {}

void HoverHelp::watch(QWidget* control, int englishId) {
    textIds_[control] = englishId;
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void HoverHelp::watchBare(QWidget* surface) {
    watch(surface, kNoText);
}

void HoverHelp::setStandingText(const QString& text) {
    standingText_ = text;
    if (!showingControlText_) helpLabel_->setText(standingText_);
}

void HoverHelp::objectMouseMove(QObject* hovered) {
    if (hovered == lastHovered_) return;
    lastHovered_ = hovered;
    const auto found = textIds_.find(hovered);
    const int id = found == textIds_.end() ? kNoText : found->second;
    showingControlText_ = id != kNoText;
    helpLabel_->setText(showingControlText_ ? QString::fromStdString(texts_.LocalText(id))
                                            : standingText_);
}

bool HoverHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        objectMouseMove(watched);
        // Handled here: the move must not reach the parent as well, which would count as a move
        // over the parent.
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorprog
