#include "ui/numbers/display_numbers.h"

#include <QKeyEvent>
#include <cmath>
#include <limits>

#include "text/number_text.h"

namespace quorprog {
namespace {

constexpr int kSignificantDigits = 15;

constexpr char16_t kCtrlC = 3;
constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kCtrlV = 22;
constexpr char16_t kEscape = 27;

QLocale plainNumbers(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// The character a key types, as the editor would receive it; nothing for keys that type none.
std::optional<char16_t> typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnter;
        case Qt::Key_Backspace:
            return kBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) &&
        event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        return static_cast<char16_t>(event.key() - Qt::Key_A + 1);  // Ctrl+A is 1, Ctrl+Z 26
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    const char16_t character = text.at(0).unicode();
    if (character < 0x20 || character == 0x7f) return std::nullopt;
    return character;
}

}  // namespace

QChar displayDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

std::string displayDecimalSeparatorText() {
    return QString(displayDecimalSeparator()).toStdString();
}

QString decimalText(double value, int decimals) {
    return QString::fromStdString(fixedDecimalText(value, decimals, displayDecimalSeparatorText()));
}

QString rangeText(uint32_t minKHz, uint32_t maxKHz) {
    return QString::fromStdString(rangeMHzText(minKHz, maxKHz, displayDecimalSeparatorText()));
}

QString shortestText(double value, const QLocale& locale) {
    return plainNumbers(locale).toString(value, 'g', kSignificantDigits);
}

QString frequencyText(float kHz, const QLocale& locale) {
    if (!(kHz > 0.0f)) return QString();
    return shortestText(static_cast<double>(kHz), locale);
}

std::optional<float> parseFrequencyText(const QString& text, const QLocale& locale) {
    if (text.isEmpty()) return 0.0f;
    bool ok = false;
    const double value = plainNumbers(locale).toDouble(text, &ok);
    // A number beyond what a channel frequency can hold is no frequency either.
    if (!ok || !(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(value);
}

TypedKey filterTypedKey(const QKeyEvent& event, QChar decimalSeparator) {
    const std::optional<char16_t> character = typedCharacter(event);
    if (!character) return TypedKey::Pass;
    if (*character == u'.') {
        return decimalSeparator == u'.' ? TypedKey::Pass : TypedKey::InsertDecimalSeparator;
    }
    const bool accepted = (*character >= u'0' && *character <= u'9') ||
                          *character == decimalSeparator.unicode() || *character == kCtrlC ||
                          *character == kCtrlV || *character == kBackspace || *character == kEnter;
    return accepted ? TypedKey::Pass : TypedKey::Drop;
}

}  // namespace quorprog
