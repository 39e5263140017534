#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <array>
#include <cstdint>

class QPainter;

namespace quorprog {

// The window's frame: four corners and four edges, 40 pixels wide, drawn around the window, and
// the colour of its surface.
class Skin {
  public:
    static constexpr int kBand = 40;

    // The eight bitmaps BG_TOP … BG_BOTTOMRIGHT and the colour `colourValue` (0x00BBGGRR).
    explicit Skin(std::uint32_t colourValue);

    const QColor& colour() const { return colour_; }

    // Corners unscaled, edges stretched into the bands between them.
    void paint(QPainter& painter, int width, int height) const;

  private:
    enum Piece { Top, Bottom, Left, Right, TopLeft, TopRight, BottomLeft, BottomRight, kPieces };

    std::array<QImage, kPieces> pieces_;
    QColor colour_;
};

// The window's outline: a rectangle whose corners are ellipses of twice the band width.
QRegion roundedWindowRegion(int width, int height);

}  // namespace quorprog
