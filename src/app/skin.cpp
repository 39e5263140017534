#include "app/skin.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/artwork/artwork.h"

namespace quorprog {

// The colour value is in the 0x00BBGGRR order of the string table's "FBD591".
Skin::Skin(std::uint32_t colourValue)
    : colour_(QColor(colourValue & 0xFF, (colourValue >> 8) & 0xFF, (colourValue >> 16) & 0xFF)) {
    const char* names[kPieces] = {"BG_TOP",     "BG_BOTTOM",   "BG_LEFT",       "BG_RIGHT",
                                  "BG_TOPLEFT", "BG_TOPRIGHT", "BG_BOTTOMLEFT", "BG_BOTTOMRIGHT"};
    for (int piece = 0; piece < kPieces; ++piece) pieces_[piece] = artwork(names[piece]);
}

void Skin::paint(QPainter& painter, int width, int height) const {
    const int right = width - kBand;
    const int bottom = height - kBand;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, pieces_[TopLeft]);
    painter.drawImage(right, 0, pieces_[TopRight]);
    painter.drawImage(0, bottom, pieces_[BottomLeft]);
    painter.drawImage(right, bottom, pieces_[BottomRight]);
    painter.drawImage(QRect(kBand, 0, right - kBand, kBand), pieces_[Top]);
    painter.drawImage(QRect(kBand, bottom, right - kBand, kBand), pieces_[Bottom]);
    painter.drawImage(QRect(0, kBand, kBand, bottom - kBand), pieces_[Left]);
    painter.drawImage(QRect(right, kBand, kBand, bottom - kBand), pieces_[Right]);
}

QRegion roundedWindowRegion(int width, int height) {
    QPainterPath outline;
    outline.addRoundedRect(0, 0, width, height, Skin::kBand, Skin::kBand);
    return QRegion(outline.toFillPolygon().toPolygon());
}

}  // namespace quorprog
