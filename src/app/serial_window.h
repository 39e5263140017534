#pragma once

#include <QDialog>
#include <QPointer>

#include "seams/progress_view.h"

class QLabel;
class QProgressBar;

namespace quorprog {

// The small always-on-top window that shows progress while the programmer link is busy. The link
// blocks the user-interface thread, so the window repaints itself at every step instead of
// waiting for the event loop.
class TformSerial : public QDialog, public ProgressView {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 283;
    static constexpr int kClientHeight = 70;

    explicit TformSerial(QWidget* owner);

    void setCaption(const std::string& caption) override;
    void setRange(int minimum, int maximum) override;
    void setPosition(int position) override;
    void advance(int step) override;
    void show() override;
    void hide() override;

    QProgressBar* gauge() const { return cgSerial_; }

  private:
    // Shows `position`, kept within the gauge's range; repaints when the shown percentage moves.
    void showPosition(long long position);
    int percentShown() const;

    QLabel* lbSerial_;
    QProgressBar* cgSerial_;
};

// The serial operation window as the link sees it, created the first time the link needs it: the
// window comes up sooner, and a run that never reads or writes never builds it. The owner widget
// owns it once it exists.
class SerialWindowOnDemand : public ProgressView {
  public:
    explicit SerialWindowOnDemand(QWidget* owner) : owner_(owner) {}

    void setCaption(const std::string& caption) override { window().setCaption(caption); }
    void setRange(int minimum, int maximum) override { window().setRange(minimum, maximum); }
    void setPosition(int position) override { window().setPosition(position); }
    void advance(int step) override { window().advance(step); }
    void show() override { window().show(); }
    // A window never built is not on the screen.
    void hide() override {
        if (window_) window_->hide();
    }

  private:
    TformSerial& window();

    QWidget* owner_;
    QPointer<TformSerial> window_;
};

}  // namespace quorprog
