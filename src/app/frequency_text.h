#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <optional>

class QKeyEvent;

namespace quorprog {

// Texts of the grid's frequency column, in the user's locale (its decimal separator, no group
// separators).

// The general form of a frequency in kHz: the shortest text with up to 15 significant digits
// (470012.5, 470000); empty for 0 and below, which stands for an empty channel.
QString frequencyText(float kHz, const QLocale& locale = QLocale());

// A typed frequency: the empty text is 0 (an empty channel); nothing when the text is not a
// number.
std::optional<float> parseFrequencyText(const QString& text, const QLocale& locale = QLocale());

// What the frequency editor does with a key.
enum class TypedKey {
    Pass,                    // not a character (arrows, Delete, Tab), or an accepted one
    InsertDecimalSeparator,  // "." typed where the decimal separator is another character
    Drop,                    // any other character: refused with a beep
};

// Digits, the decimal separator, Ctrl+C, Ctrl+V, Backspace and Enter reach the editor; "." stands
// for the decimal separator; any other character (signs, exponents, Escape) is refused.
TypedKey filterTypedKey(const QKeyEvent& event, QChar decimalSeparator);

}  // namespace quorprog
