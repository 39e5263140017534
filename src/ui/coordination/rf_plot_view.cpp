#include "ui/coordination/rf_plot_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/coordination/rf_plot_tip.h"

namespace quorprog {

using coordination::Hertz;

namespace {

constexpr double kZoomPerStep = 1.25;
constexpr double kWheelStep = 120;  // angle delta of one notch
constexpr double kHitPixels = 4;    // how near the mouse a thing counts as under it

}  // namespace

SpectrumView::SpectrumView(coordination::SpectrumModel model, const LocalTexts& texts,
                           QWidget* parent)
    : QWidget(parent), model_(std::move(model)), texts_(texts), span_{model_.low(), model_.high()} {
    setObjectName("viewSpectrum");
    setMouseTracking(false);
    setMinimumSize(400, 240);
    setCursor(Qt::OpenHandCursor);
}

QRectF SpectrumView::plot() const {
    return SpectrumLayout(QRectF(rect())).plot;
}

Hertz SpectrumView::frequencyAt(QPoint position) const {
    return spectrumFrequency(plot(), span_, position.x());
}

void SpectrumView::setSpan(Hertz low, Hertz high) {
    const Hertz widest = model_.high() - model_.low();
    const Hertz width = std::clamp(high - low, std::min(kNarrowest, widest), widest);
    low = std::clamp(low, model_.low(), model_.high() - width);
    span_ = {low, low + width};
    update();
}

void SpectrumView::zoom(double steps, double x) {
    // The frequency under the mouse stays under it, unless the span meets an end.
    const Hertz centre = spectrumFrequency(plot(), span_, x);
    const double width =
        static_cast<double>(span_.high - span_.low) * std::pow(kZoomPerStep, -steps);
    const double share = (x - plot().left()) / std::max(1.0, plot().width());
    const Hertz widest = model_.high() - model_.low();
    const Hertz clamped =
        std::clamp<Hertz>(std::llround(width), std::min(kNarrowest, widest), widest);
    const Hertz low = centre - std::llround(share * static_cast<double>(clamped));
    setSpan(low, low + clamped);
}

void SpectrumView::pan(double pixels) {
    const double hertzPerPixel =
        static_cast<double>(span_.high - span_.low) / std::max(1.0, plot().width());
    const Hertz shift = std::llround(pixels * hertzPerPixel);
    setSpan(span_.low - shift, span_.high - shift);
}

QString SpectrumView::toolTipAt(QPoint position) const {
    if (!plot()
             .adjusted(0, 0, 0, SpectrumLayout(QRectF(rect())).density.height() + 4)
             .contains(position))
        return {};
    const double hertzPerPixel =
        static_cast<double>(span_.high - span_.low) / std::max(1.0, plot().width());
    const Hertz tolerance = std::llround(kHitPixels * hertzPerPixel);
    return spectrumTipText(model_.hitAt(frequencyAt(position), tolerance), texts_);
}

bool SpectrumView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = toolTipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

void SpectrumView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());
    paintSpectrum(painter, QRectF(rect()), model_, span_, texts_);
}

void SpectrumView::wheelEvent(QWheelEvent* event) {
    zoom(event->angleDelta().y() / kWheelStep, event->position().x());
    event->accept();
}

void SpectrumView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    dragFrom_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void SpectrumView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_) return QWidget::mouseMoveEvent(event);
    const QPoint now = event->position().toPoint();
    pan(now.x() - dragFrom_->x());
    dragFrom_ = now;
}

void SpectrumView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    dragFrom_.reset();
    setCursor(Qt::OpenHandCursor);
}

}  // namespace quorprog
