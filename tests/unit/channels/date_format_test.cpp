#include <gtest/gtest.h>

#include "channels/date_stamp.h"

namespace quorprog {
namespace {

struct DateCase {
    const char* pattern;
    CalendarDate date;
    char separator;
    const char* text;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << '"' << c.pattern << '"';
}

class FormatDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(FormatDateTest, PatternLettersBecomeDateFields) {
    const DateCase& c = GetParam();
    EXPECT_EQ(FormatDate(c.pattern, c.date, c.separator), c.text);
}

constexpr CalendarDate kSixthDecember{2026, 12, 6};
constexpr CalendarDate kFirstMarch2005{2005, 3, 1};

INSTANTIATE_TEST_SUITE_P(Patterns, FormatDateTest,
                         ::testing::Values(DateCase{"dd/mm/yy", kSixthDecember, '/', "06/12/26"},
                                           DateCase{"dd/mm/yy", kSixthDecember, '.', "06.12.26"},
                                           DateCase{"d/m/yyyy", kFirstMarch2005, '/', "1/3/2005"},
                                           DateCase{"dd-mm-yyyy", kFirstMarch2005, '/',
                                                    "01-03-2005"},
                                           DateCase{"yymmdd", kFirstMarch2005, '/', "050301"},
                                           DateCase{"DD.MM.YY", kSixthDecember, '/', "06.12.26"},
                                           DateCase{"y", kFirstMarch2005, '/', "05"},
                                           DateCase{"yyy", kFirstMarch2005, '/', "2005"},
                                           DateCase{"ddd", kFirstMarch2005, '/', "011"},
                                           DateCase{"yyyyyy", kFirstMarch2005, '/', "200505"},
                                           DateCase{"", kSixthDecember, '/', ""},
                                           DateCase{"Q 1:", kSixthDecember, '/', "Q 1:"}));

}  // namespace
}  // namespace quorprog
