#include "ui/coordination/rf_plot_file.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cctype>
#include <string>

#include "ui/coordination/rf_plot_painter.h"

namespace quorprog {

namespace {

bool endsWith(std::string_view path, std::string_view extension) {
    if (path.size() < extension.size()) return false;
    const std::string_view tail = path.substr(path.size() - extension.size());
    for (size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != extension[i]) return false;
    }
    return true;
}

// Paints the picture over the whole device; false when the painter could not start on it.
bool paintOn(QPaintDevice& device, QSize size, const coordination::SpectrumModel& model,
             const LocalTexts& texts) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    paintSpectrum(painter, QRectF(QPointF(0, 0), size), model, {model.low(), model.high()}, texts);
    return painter.end();
}

}  // namespace

std::optional<SpectrumFormat> spectrumFormatOf(std::string_view path) {
    if (endsWith(path, ".svg")) return SpectrumFormat::Svg;
    if (endsWith(path, ".png")) return SpectrumFormat::Png;
    if (endsWith(path, ".pdf")) return SpectrumFormat::Pdf;
    return std::nullopt;
}

QByteArray spectrumFileBytes(const coordination::SpectrumModel& model, const LocalTexts& texts,
                             SpectrumFormat format, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    switch (format) {
        case SpectrumFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(QStringLiteral("Spectrum"));
            painted = paintOn(svg, size, model, texts);
            break;
        }
        case SpectrumFormat::Png: {
            QImage image(size, QImage::Format_ARGB32);
            painted =
                !image.isNull() && paintOn(image, size, model, texts) && image.save(&buffer, "PNG");
            break;
        }
        case SpectrumFormat::Pdf: {
            // One point per pixel: the page is the picture's size.
            QPdfWriter pdf(&buffer);
            pdf.setResolution(72);
            pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            painted = paintOn(pdf, size, model, texts);
            break;
        }
    }
    buffer.close();
    return painted ? bytes : QByteArray();
}

}  // namespace quorprog
