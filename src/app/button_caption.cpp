#include "app/button_caption.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/artwork/artwork.h"

namespace quorprog {
namespace {

constexpr int kScratchHeight = 25;

QImage scratchWith(const QString& caption, const QFont& font) {
    QImage scratch(kCaptionScratchWidth, kScratchHeight, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::white);
    QPainter painter(&scratch);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, QFontMetrics(font).ascent(), caption);
    return scratch;
}

}  // namespace

// The caption font is named by one text listing its choices in order; each is offered to the
// font matching in turn. Liberation Sans has Arial's metrics: where Arial is missing the captions
// keep their width instead of falling back to a wider face that cuts them.
QFont captionFont() {
    QFont font;
    font.setFamilies(QStringLiteral("Liberation Sans,Arial,Verdana,Times New Roman").split(','));
    font.setPointSize(16);
    return font;
}

QImage captionedButton(const QString& bitmapName, const QString& caption, CaptionPlace place) {
    const QFont font = captionFont();
    const QFontMetrics metrics(font);
    QImage button = artwork(bitmapName).convertToFormat(QImage::Format_ARGB32_Premultiplied);

    const int captionWidth = metrics.horizontalAdvance(caption);
    int x = (button.width() - captionWidth) / 2;
    int y = button.height() - metrics.height() - 10;
    if (place == CaptionPlace::BesideIcon) {
        x += 15;
        y = (button.height() - metrics.height()) / 2 - 3;
    }

    QPainter painter(&button);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(x, y, scratchWith(caption, font));
    return button;
}

}  // namespace quorprog
