#include "ui/coordination/rf_plot_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "text/local_texts.h"
#include "text/text_ids.h"
#include "ui/coordination/rf_plot_style.h"
#include "ui/numbers/display_numbers.h"

namespace quorprog {

using coordination::Hertz;
using coordination::ShadeKind;

namespace {

constexpr double kLegendRowHeight = 18;
constexpr int kLegendRows = 2;
constexpr double kDensityHeight = 14;
constexpr double kAxisHeight = 22;
constexpr double kUnitWidth = 34;
constexpr double kMarkShare = 0.12;  // IM3 marks rise at most this part of the plot
constexpr double kScanShare = 0.55;  // the scan trace keeps to the lower part of the plot
constexpr int kDensityBinWidth = 3;  // pixels per bin of the strip
constexpr double kMinLabelGap = 70;  // pixels between two frequency labels, at least

QString local(const LocalTexts& texts, int id) {
    return QString::fromStdString(texts.LocalText(id));
}

// The step between labelled frequencies: 1, 2 or 5 times a power of ten hertz, the smallest
// that keeps labels apart.
Hertz labelStep(const QRectF& plot, const SpectrumSpan& span) {
    const double hertzPerPixel =
        static_cast<double>(span.high - span.low) / std::max(1.0, plot.width());
    const double wanted = hertzPerPixel * kMinLabelGap;
    for (Hertz power = 1;; power *= 10) {
        for (const Hertz factor : {1, 2, 5}) {
            if (static_cast<double>(factor * power) >= wanted) return factor * power;
        }
    }
}

// MHz as labels show them: as many decimals as the step needs, the desktop's separator.
QString mhzLabel(Hertz frequency, Hertz step) {
    int decimals = 0;
    for (Hertz unit = 1000000; unit > step && decimals < 6; unit /= 10) ++decimals;
    return decimalText(static_cast<double>(frequency) / 1e6, decimals);
}

class SpectrumPainting {
  public:
    SpectrumPainting(QPainter& painter, const QRectF& area,
                     const coordination::SpectrumModel& model, const SpectrumSpan& span,
                     const LocalTexts& texts)
        : p_(painter), layout_(area), model_(model), span_(span), texts_(texts) {}

    void run() {
        p_.save();
        p_.fillRect(layout_.plot.united(layout_.density), Qt::white);
        p_.setClipRect(layout_.plot);
        shadedRanges();
        scanTrace();
        im3Marks();
        transmitterLines();
        p_.setClipping(false);
        density();
        axis();
        legend();
        p_.setPen(QPen(spectrum_style::kFrame, 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(layout_.plot);
        p_.restore();
    }

  private:
    double x(Hertz f) const { return spectrumX(layout_.plot, span_, f); }

    void shadedRanges() {
        const QRectF& plot = layout_.plot;
        for (const coordination::ShadedRange& range : model_.shaded()) {
            const QRectF band(QPointF(x(range.low), plot.top()),
                              QPointF(x(range.high), plot.bottom()));
            p_.fillRect(band.normalized(), spectrum_style::shade(range.kind));
            if (range.kind == ShadeKind::TvExcluded || range.kind == ShadeKind::TvSearched) {
                p_.setPen(spectrum_style::kTvText);
                p_.drawText(band.adjusted(2, 2, -2, 0), Qt::AlignHCenter | Qt::AlignTop,
                            QStringLiteral("TV %1").arg(range.tvChannel));
            }
        }
    }

    // Levels from the lowest to the highest point (and the threshold) over the lower part of the
    // plot, so the channel numbers above stay readable. A scan may hold millions of points: each
    // pixel column draws the highest level of its points, which keeps every peak.
    void scanTrace() {
        const auto& scan = model_.scan();
        const QRectF& plot = layout_.plot;
        const int columns = std::max(1, static_cast<int>(std::ceil(plot.width())));
        std::vector<std::optional<double>> peak(static_cast<size_t>(columns));
        double lowest = model_.threshold().value_or(0);
        double highest = lowest;
        bool any = false;
        for (const coordination::ScanPoint& point : scan) {
            lowest = any ? std::min(lowest, point.levelDbm) : point.levelDbm;
            highest = any ? std::max(highest, point.levelDbm) : point.levelDbm;
            any = true;
            if (point.frequency < span_.low || point.frequency > span_.high) continue;
            const int column =
                std::clamp(static_cast<int>(x(point.frequency) - plot.left()), 0, columns - 1);
            std::optional<double>& level = peak[static_cast<size_t>(column)];
            level = std::max(level.value_or(point.levelDbm), point.levelDbm);
        }
        if (!any) return;
        if (model_.threshold()) {
            lowest = std::min(lowest, *model_.threshold());
            highest = std::max(highest, *model_.threshold());
        }
        if (highest - lowest < 1) highest = lowest + 1;
        // Above the IM3 marks at the foot, so neither hides the other.
        const double bottom = plot.bottom() - plot.height() * kMarkShare - 2;
        const double height = plot.height() * kScanShare;
        const auto y = [&](double level) {
            return bottom - (level - lowest) / (highest - lowest) * height;
        };
        QPainterPath trace;
        for (int column = 0; column < columns; ++column) {
            const std::optional<double>& level = peak[static_cast<size_t>(column)];
            if (!level) continue;
            const QPointF at(plot.left() + column + 0.5, y(*level));
            if (trace.elementCount() == 0) {
                trace.moveTo(at);
            } else {
                trace.lineTo(at);
            }
        }
        p_.setPen(QPen(spectrum_style::kScan, 1.2));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(trace);
        if (model_.threshold()) {
            const double level = *model_.threshold();
            p_.setPen(QPen(spectrum_style::kThreshold, 1, Qt::DashLine));
            p_.drawLine(QPointF(plot.left(), y(level)), QPointF(plot.right(), y(level)));
            p_.drawText(QPointF(plot.left() + 4, y(level) - 3),
                        decimalText(level, 0) + QStringLiteral(" dBm"));
        }
    }

    // Products gathered by pixel column: a thousand products on one pixel are one mark, taller.
    void im3Marks() {
        const QRectF& plot = layout_.plot;
        const int columns = std::max(1, static_cast<int>(std::ceil(plot.width())));
        std::vector<uint32_t> perColumn(static_cast<size_t>(columns), 0);
        const auto& products = model_.im3Products();
        for (auto it = std::lower_bound(products.begin(), products.end(), span_.low);
             it != products.end() && *it <= span_.high; ++it) {
            const int column = std::clamp(static_cast<int>(x(*it) - plot.left()), 0, columns - 1);
            ++perColumn[static_cast<size_t>(column)];
        }
        const uint32_t most = *std::max_element(perColumn.begin(), perColumn.end());
        if (most == 0) return;
        p_.setPen(QPen(spectrum_style::kIm3, 1));
        const double full = plot.height() * kMarkShare;
        for (int column = 0; column < columns; ++column) {
            const uint32_t count = perColumn[static_cast<size_t>(column)];
            if (count == 0) continue;
            const double share = std::log1p(count) / std::log1p(most);
            const double left = plot.left() + column + 0.5;
            p_.drawLine(QPointF(left, plot.bottom()),
                        QPointF(left, plot.bottom() - std::max(3.0, full * share)));
        }
    }

    void transmitterLines() {
        const QRectF& plot = layout_.plot;
        const double top = plot.top() + plot.height() * 0.1;
        p_.setPen(QPen(spectrum_style::kOtherTransmitter, 1.5, Qt::DashLine));
        for (const Hertz s : model_.onSite())
            p_.drawLine(QPointF(x(s), plot.bottom()), QPointF(x(s), top));
        const QFontMetricsF metrics(p_.font());
        double lastLabelRight = plot.left() - kMinLabelGap;
        // Conflicting channels last, so that red is never hidden under another line.
        for (const bool conflicting : {false, true}) {
            for (const coordination::SpectrumLine& line : model_.lines()) {
                if (line.conflicting != conflicting) continue;
                const QColor colour =
                    conflicting ? spectrum_style::kConflicting : spectrum_style::kChannel;
                p_.setPen(QPen(colour, conflicting ? 2 : 1.5));
                const double at = x(line.frequency);
                p_.drawLine(QPointF(at, plot.bottom()), QPointF(at, top));
            }
        }
        // Channel numbers where there is room for them, left to right.
        std::vector<coordination::SpectrumLine> byFrequency = model_.lines();
        std::stable_sort(byFrequency.begin(), byFrequency.end(),
                         [](const auto& a, const auto& b) { return a.frequency < b.frequency; });
        p_.setPen(spectrum_style::kText);
        for (const coordination::SpectrumLine& line : byFrequency) {
            if (line.frequency < span_.low || line.frequency > span_.high) continue;
            const QString label = QString::asprintf("%02zX", line.channel);
            const double width = metrics.horizontalAdvance(label);
            const double left = x(line.frequency) - width / 2;
            if (left < lastLabelRight + 2) continue;
            p_.drawText(QPointF(left, top - 3), label);
            lastLabelRight = left + width;
        }
    }

    void density() {
        const QRectF& strip = layout_.density;
        const auto bins = static_cast<size_t>(std::max(1.0, strip.width() / kDensityBinWidth));
        const std::vector<uint32_t> counts = model_.im3x3Density(span_.low, span_.high, bins);
        const uint32_t most = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
        const double width = strip.width() / static_cast<double>(bins);
        for (size_t j = 0; j < counts.size() && most > 0; ++j) {
            if (counts[j] == 0) continue;
            const double share = std::log1p(counts[j]) / std::log1p(most);
            p_.fillRect(QRectF(strip.left() + width * static_cast<double>(j), strip.top(),
                               width + 0.5, strip.height()),
                        spectrum_style::densityColour(share));
        }
        p_.setPen(QPen(spectrum_style::kFrame, 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(strip);
    }

    void axis() {
        const QRectF& plot = layout_.plot;
        const Hertz step = labelStep(plot, span_);
        const Hertz first = (span_.low + step - 1) / step * step;
        p_.setPen(spectrum_style::kText);
        const QFontMetricsF metrics(p_.font());
        for (Hertz f = first; f <= span_.high; f += step) {
            const double at = x(f);
            p_.drawLine(QPointF(at, layout_.axis.top()), QPointF(at, layout_.axis.top() + 4));
            const QString label = mhzLabel(f, step);
            // Kept inside the axis, so the outermost labels are not cut.
            const double width = metrics.horizontalAdvance(label);
            const double left =
                std::clamp(at - width / 2, layout_.axis.left(), layout_.axis.right() - width);
            p_.drawText(QPointF(left, layout_.axis.top() + 4 + metrics.ascent()), label);
        }
        p_.drawText(QPointF(layout_.plot.right() + 6, layout_.axis.top() + 4 + metrics.ascent()),
                    QStringLiteral("MHz"));
    }

    void legend() {
        struct Entry {
            int text;
            QColor colour;
            bool swatch;  // a filled square, or a short line
        };
        const Entry entries[] = {
            {text::kLegendChannel, spectrum_style::kChannel, false},
            {text::kLegendConflicting, spectrum_style::kConflicting, false},
            {text::kLegendOtherTransmitter, spectrum_style::kOtherTransmitter, false},
            {text::kLegendIm3, spectrum_style::kIm3, false},
            {text::kLegendIm3x3, spectrum_style::densityColour(1), true},
            {text::kLegendGuard, spectrum_style::shade(ShadeKind::Guard), true},
            {text::kLegendExcluded, spectrum_style::shade(ShadeKind::Excluded), true},
            {text::kLegendTvExcluded, spectrum_style::shade(ShadeKind::TvExcluded), true},
            {text::kLegendTvSearched, spectrum_style::shade(ShadeKind::TvSearched), true},
            {text::kLegendScan, spectrum_style::kScan, false},
            {text::kLegendThreshold, spectrum_style::kThreshold, false},
        };
        const QFontMetricsF metrics(p_.font());
        const QRectF& box = layout_.legend;
        double left = box.left();
        double middle = box.top() + kLegendRowHeight / 2;
        for (const Entry& entry : entries) {
            const QString label = local(texts_, entry.text);
            const double width = 14 + 4 + metrics.horizontalAdvance(label) + 12;
            if (left + width > box.right() && left > box.left()) {
                if (middle + kLegendRowHeight > box.bottom()) break;
                left = box.left();
                middle += kLegendRowHeight;
            }
            if (entry.swatch) {
                p_.fillRect(QRectF(left, middle - 5, 14, 10), entry.colour);
                p_.setPen(QPen(spectrum_style::kFrame, 0.5));
                p_.drawRect(QRectF(left, middle - 5, 14, 10));
            } else {
                p_.setPen(QPen(entry.colour, 2));
                p_.drawLine(QPointF(left, middle), QPointF(left + 14, middle));
            }
            p_.setPen(spectrum_style::kText);
            p_.drawText(QPointF(left + 18, middle + metrics.ascent() / 2 - 1), label);
            left += width;
        }
    }

    QPainter& p_;
    const SpectrumLayout layout_;
    const coordination::SpectrumModel& model_;
    const SpectrumSpan span_;
    const LocalTexts& texts_;
};

}  // namespace

SpectrumLayout::SpectrumLayout(const QRectF& area) {
    const QRectF inner = area.adjusted(8, 4, -8, -4);
    legend = QRectF(inner.left(), inner.top(), inner.width(), kLegendRowHeight * kLegendRows);
    // Room on the right for the unit beside the axis.
    const double width = std::max(1.0, inner.width() - kUnitWidth);
    axis = QRectF(inner.left(), inner.bottom() - kAxisHeight, width, kAxisHeight);
    density = QRectF(inner.left(), axis.top() - kDensityHeight - 2, width, kDensityHeight);
    plot = QRectF(QPointF(inner.left(), legend.bottom() + 4),
                  QPointF(axis.right(), density.top() - 4));
}

double spectrumX(const QRectF& plot, const SpectrumSpan& span, Hertz frequency) {
    const double width = static_cast<double>(std::max<Hertz>(1, span.high - span.low));
    return plot.left() + static_cast<double>(frequency - span.low) / width * plot.width();
}

Hertz spectrumFrequency(const QRectF& plot, const SpectrumSpan& span, double x) {
    const double share = (x - plot.left()) / std::max(1.0, plot.width());
    return span.low + std::llround(share * static_cast<double>(span.high - span.low));
}

void paintSpectrum(QPainter& painter, const QRectF& area, const coordination::SpectrumModel& model,
                   const SpectrumSpan& span, const LocalTexts& texts) {
    SpectrumPainting(painter, area, model, span, texts).run();
}

}  // namespace quorprog
