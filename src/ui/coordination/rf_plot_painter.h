#pragma once

#include <QRectF>

#include "coordination/rf_plot_model.h"

class QPainter;

namespace quorprog {

class LocalTexts;

// The frequencies a picture shows, from low to high (hertz).
struct SpectrumSpan {
    coordination::Hertz low = 0;
    coordination::Hertz high = 0;
};

// Where the parts of a spectrum picture lie in its area: the legend on top, the plot with the
// shaded ranges, the scan trace and the lines, the strip of three-transmitter products, the
// frequency axis at the bottom.
struct SpectrumLayout {
    explicit SpectrumLayout(const QRectF& area);

    QRectF legend;
    QRectF plot;
    QRectF density;
    QRectF axis;
};

// x of a frequency in the plot, and the frequency at x.
double spectrumX(const QRectF& plot, const SpectrumSpan& span, coordination::Hertz frequency);
coordination::Hertz spectrumFrequency(const QRectF& plot, const SpectrumSpan& span, double x);

// The one drawing of a group's spectrum, for the window's view and for files: frequency along x
// (MHz with the desktop's decimal separator), each channel a vertical line, red when it
// conflicts, other transmitters in their own colour, IM3 products as marks at the foot of the
// plot, the density of three-transmitter products as a strip, guard bands, excluded ranges and
// TV channels shaded, the scan trace with its threshold, and a legend in the texts' language.
void paintSpectrum(QPainter& painter, const QRectF& area, const coordination::SpectrumModel& model,
                   const SpectrumSpan& span, const LocalTexts& texts);

}  // namespace quorprog
