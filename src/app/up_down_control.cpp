#include "app/up_down_control.h"

#include <QToolButton>

namespace quorprog {
namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent) {
    auto* up = arrowButton(this, Qt::UpArrow);
    auto* down = arrowButton(this, Qt::DownArrow);
    connect(up, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down, &QToolButton::clicked, this, [this] { emit stepped(-1); });
    up_ = up;
    down_ = down;
}

void UpDownControl::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace quorprog
