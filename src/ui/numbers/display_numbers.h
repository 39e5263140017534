#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class QKeyEvent;

namespace quorprog {

// Numbers on screen and on the printed sheet, in the user's locale: its decimal separator, no group
// separators. Every displayed number goes through here so that all follow one rule; machine
// output (channel files, the command-line tool, the log) never does.

// The desktop's decimal separator, and as UTF-8 for the core's texts.
QChar displayDecimalSeparator();
std::string displayDecimalSeparatorText();

// value with a fixed count of decimals, as "%0.3f" would give it, with the desktop's separator.
QString decimalText(double value, int decimals);

// value as the shortest text with up to 15 significant digits (470012.5, 470000, 0).
QString shortestText(double value, const QLocale& locale = QLocale());

// A group's range from its limits in kHz, "470.000-790.000 MHz" with the desktop's separator.
QString rangeText(uint32_t minKHz, uint32_t maxKHz);

// The grid's frequency column.

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
