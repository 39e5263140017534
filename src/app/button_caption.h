#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace quorprog {

enum class CaptionPlace {
    BesideIcon,  // toolbar buttons: centred a little to the right of the icon on the left
    UnderIcon,   // read and write: centred, near the bottom edge
};

// Captions are drawn on a scratch bitmap this wide; what lies beyond it is cut.
inline constexpr int kCaptionScratchWidth = 90;

// The font the captions are drawn with.
QFont captionFont();

// The button bitmap `bitmapName`, freshly loaded, with `caption` drawn into it: the caption is
// drawn black on a white 90 × 25 scratch bitmap, which is ANDed onto the button, so white leaves
// the button as it is and the letters darken it.
QImage captionedButton(const QString& bitmapName, const QString& caption, CaptionPlace place);

}  // namespace quorprog
