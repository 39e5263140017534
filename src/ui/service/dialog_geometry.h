#pragma once

#include <QSize>

class QLabel;
class QWidget;

namespace quorprog {

// The dialogs are laid out in fixed pixel positions measured inside a window whose outer size
// (frame and caption included) is given. Qt sizes the client area, so the frame of a classic
// dialog is taken off: 4 pixels on each side and a 19-pixel caption.
inline QSize clientSizeForOuter(int outerWidth, int outerHeight) {
    return {outerWidth - 8, outerHeight - 27};
}

// The dialogs' controls sit at fixed pixel positions that were measured for the classic 8-point
// dialog font; the dialog and everything in it use that size so the texts fit their places.
void useClassicDialogFont(QWidget& dialog);

// A label sized to its text at (left, top).
QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top);

}  // namespace quorprog
