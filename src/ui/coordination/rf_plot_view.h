#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

#include "coordination/rf_plot_model.h"
#include "ui/coordination/rf_plot_painter.h"

namespace quorprog {

class LocalTexts;

// A group's spectrum on screen: the wheel zooms around the mouse, dragging pans, and the tooltip
// tells what lies under the mouse. It starts showing the model's whole span and never shows
// more, nor less than kNarrowest.
class SpectrumView : public QWidget {
    Q_OBJECT
  public:
    static constexpr coordination::Hertz kNarrowest = 20 * coordination::kHertzPerKhz;

    SpectrumView(coordination::SpectrumModel model, const LocalTexts& texts,
                 QWidget* parent = nullptr);

    const coordination::SpectrumModel& model() const { return model_; }
    const SpectrumSpan& span() const { return span_; }
    // The frequency under a point of the widget.
    coordination::Hertz frequencyAt(QPoint position) const;
    // Steps of the wheel (positive zooms in) around the frequency at x.
    void zoom(double steps, double x);
    // Moves the picture by this many pixels to the right (lower frequencies come into view).
    void pan(double pixels);
    // What the tooltip says at a point; empty when nothing lies there.
    QString toolTipAt(QPoint position) const;

    QSize sizeHint() const override { return {900, 420}; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRectF plot() const;
    // Keeps the span within the model's and at least kNarrowest wide.
    void setSpan(coordination::Hertz low, coordination::Hertz high);

    coordination::SpectrumModel model_;
    const LocalTexts& texts_;
    SpectrumSpan span_;
    std::optional<QPoint> dragFrom_;
};

}  // namespace quorprog
