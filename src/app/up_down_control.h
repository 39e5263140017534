#pragma once

#include <QWidget>

namespace quorprog {

// A pair of arrows, one above the other. Only the direction of a click matters, so there is no
// position to keep: each click reports +1 (up) or -1 (down).
class UpDownControl : public QWidget {
    Q_OBJECT
  public:
    explicit UpDownControl(QWidget* parent);

  signals:
    void stepped(int direction);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* up_;
    QWidget* down_;
};

}  // namespace quorprog
