#include <gtest/gtest.h>

#include <QKeyEvent>

#include "ui/numbers/display_numbers.h"

namespace quorprog {
namespace {

const QLocale kPoint = QLocale::c();
const QLocale kComma(QLocale::German, QLocale::Germany);

TEST(FrequencyText, IsTheShortestGeneralFormInTheLocale) {
    EXPECT_EQ(frequencyText(470000.0f, kPoint), "470000");
    EXPECT_EQ(frequencyText(470012.5f, kPoint), "470012.5");
    EXPECT_EQ(frequencyText(470012.5f, kComma), "470012,5");
    EXPECT_EQ(frequencyText(1234567.0f, kComma), "1234567") << "no group separators";
    // The float's own value, up to 15 significant digits.
    EXPECT_EQ(frequencyText(470000.1f, kPoint), "470000.09375");
    EXPECT_EQ(frequencyText(0.0f, kPoint), "");
    EXPECT_EQ(frequencyText(-5.0f, kPoint), "");
}

TEST(FrequencyText, ParsesDecimalNumbersWithTheLocalesSeparator) {
    EXPECT_EQ(parseFrequencyText("", kComma), 0.0f);
    EXPECT_EQ(parseFrequencyText("470012,5", kComma), 470012.5f);
    EXPECT_EQ(parseFrequencyText("470012.5", kPoint), 470012.5f);
    EXPECT_EQ(parseFrequencyText("470000", kComma), 470000.0f);
    EXPECT_EQ(parseFrequencyText("470.012", kComma), std::nullopt) << "a group separator";
    EXPECT_EQ(parseFrequencyText("47x", kPoint), std::nullopt);
    EXPECT_EQ(parseFrequencyText(",", kComma), std::nullopt);
    EXPECT_EQ(parseFrequencyText("1e300", kPoint), std::nullopt) << "beyond a float";
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    QChar separator;
    TypedKey expected;
};

class TypedKeyFilter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TypedKeyFilter, ActsAsTheFrequencyEditorNeeds) {
    const KeyCase& k = GetParam();
    const QKeyEvent event(QEvent::KeyPress, k.key, k.modifiers, QString::fromLatin1(k.text));
    EXPECT_EQ(filterTypedKey(event, k.separator), k.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedKeyFilter,
    ::testing::Values(
        KeyCase{"Digit", Qt::Key_7, Qt::NoModifier, "7", u'.', TypedKey::Pass},
        KeyCase{"PointWhereItIsTheSeparator", Qt::Key_Period, Qt::NoModifier, ".", u'.',
                TypedKey::Pass},
        KeyCase{"PointWhereTheSeparatorIsAComma", Qt::Key_Period, Qt::NoModifier, ".", u',',
                TypedKey::InsertDecimalSeparator},
        KeyCase{"CommaWhereItIsTheSeparator", Qt::Key_Comma, Qt::NoModifier, ",", u',',
                TypedKey::Pass},
        KeyCase{"CommaWhereTheSeparatorIsAPoint", Qt::Key_Comma, Qt::NoModifier, ",", u'.',
                TypedKey::Drop},
        KeyCase{"Minus", Qt::Key_Minus, Qt::NoModifier, "-", u'.', TypedKey::Drop},
        KeyCase{"Plus", Qt::Key_Plus, Qt::NoModifier, "+", u'.', TypedKey::Drop},
        KeyCase{"Exponent", Qt::Key_E, Qt::NoModifier, "e", u'.', TypedKey::Drop},
        KeyCase{"Space", Qt::Key_Space, Qt::NoModifier, " ", u'.', TypedKey::Drop},
        KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", u'.', TypedKey::Drop},
        KeyCase{"CtrlC", Qt::Key_C, Qt::ControlModifier, "\x03", u'.', TypedKey::Pass},
        KeyCase{"CtrlV", Qt::Key_V, Qt::ControlModifier, "\x16", u'.', TypedKey::Pass},
        KeyCase{"CtrlX", Qt::Key_X, Qt::ControlModifier, "\x18", u'.', TypedKey::Drop},
        KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", u'.', TypedKey::Pass},
        KeyCase{"Enter", Qt::Key_Return, Qt::NoModifier, "\r", u'.', TypedKey::Pass},
        KeyCase{"ArrowsTypeNothing", Qt::Key_Left, Qt::NoModifier, "", u'.', TypedKey::Pass},
        KeyCase{"DeleteTypesNothing", Qt::Key_Delete, Qt::NoModifier, "\x7f", u'.',
                TypedKey::Pass}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorprog
