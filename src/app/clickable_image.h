#pragma once

#include <QLabel>

namespace quorprog {

// An image used as a button: a bitmap with a hand cursor that reports a click (press and release
// of the left button on it).
class ClickableImage : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableImage(QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quorprog
