#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "description/transform_expression.h"

namespace quorprog::transform {
namespace {

// Key references answer from a table (-1 when absent) and are logged in order.
struct FakeKeys {
    std::map<std::string, int32_t> values;
    std::vector<std::string> asked;

    KeyReader reader() {
        return [this](std::string_view key) {
            asked.emplace_back(key);
            const auto found = values.find(std::string(key));
            return found == values.end() ? -1 : found->second;
        };
    }
};

// ---- group kinds ----

TEST(TransformGroups, KeywordsAreWholeAndCaseSensitive) {
    struct Case {
        const char* text;
        GroupKind kind;
    };
    const Case cases[] = {
        {"BCD", GroupKind::Bcd},           {"ASCII", GroupKind::Ascii},
        {"DISCARD", GroupKind::Discard},   {"", GroupKind::Empty},
        {" BCD", GroupKind::Statements},   {"BCD ", GroupKind::Statements},
        {"bcd", GroupKind::Statements},    {"Ascii", GroupKind::Statements},
        {"BCD)", GroupKind::Statements},   {" ", GroupKind::Statements},
        {"out=1", GroupKind::Statements},
    };
    for (const auto& c : cases) EXPECT_EQ(classifyGroup(c.text), c.kind) << '"' << c.text << '"';
}

// ---- statement groups: the whole group from in to the new in ----

struct GroupCase {
    const char* group;
    int32_t in;
    std::optional<int32_t> result;  // nothing: division by zero
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << '"' << c.group << "\" in=" << c.in; }

class StatementGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(StatementGroups, GiveTheRegisterOutAfterTheLastStatement) {
    FakeKeys keys;
    keys.values = {{"Partition0.IF_1", 10}, {"K", 7}, {"Zero", 0}};
    EXPECT_EQ(applyStatementGroup(GetParam().group, GetParam().in, keys.reader()), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    BuiltInDescription, StatementGroups,
    ::testing::Values(
        // prescaler
        GroupCase{"out=0;if in==64 then out=1", 64, 1}, GroupCase{"out=0;if in==64 then out=1", 128, 0},
        GroupCase{"out = 128;if in==1 then out=64", 1, 64},
        GroupCase{"out = 128;if in==1 then out=64", 0, 128},
        // receiver flag
        GroupCase{"if in==1 then out=84;if in!=1 then out=82", 1, 84},
        GroupCase{"if in==1 then out=84;if in!=1 then out=82", 0, 82},
        GroupCase{"if in==1 then out=84;if in!=1 then out=82", 9, 82},
        GroupCase{"if in==84 then out=1;if in==82 then out=0", 84, 1},
        GroupCase{"if in==84 then out=1;if in==82 then out=0", 82, 0},
        GroupCase{"if in==84 then out=1;if in==82 then out=0", 3, 3},  // out starts as in
        // oscillator position
        GroupCase{"if in==1 then out=0;if in==0 then out=128", 1, 0},
        GroupCase{"if in==1 then out=0;if in==0 then out=128", 0, 128},
        GroupCase{"if in==0 then out=1;if in==128 then out=0", 0, 1},
        GroupCase{"if in==0 then out=1;if in==128 then out=0", 128, 0},
        // limits in MHz
        GroupCase{"out=in/1000", 470000, 470}, GroupCase{"out=in/1000", 470500, 470},
        GroupCase{"out=in*1000", 470, 470000},
        // IF scale and scaled IF
        GroupCase{"out=100;if in<655360 then out=10;if in<65536 then out=1", 10700, 1},
        GroupCase{"out=100;if in<655360 then out=10;if in<65536 then out=1", 65536, 10},
        GroupCase{"out=100;if in<655360 then out=10;if in<65536 then out=1", 655359, 10},
        GroupCase{"out=100;if in<655360 then out=10;if in<65536 then out=1", 700000, 100},
        GroupCase{"out=in/Partition0.IF_1", 107000, 10700},
        GroupCase{"out=in*Partition0.IF_1", 10700, 107000},
        GroupCase{"out=in* Partition0.IF_1 ", 10700, 107000}));  // names are trimmed

INSTANTIATE_TEST_SUITE_P(
    ActionForms, StatementGroups,
    ::testing::Values(
        // 1-4: compound assignments, target chosen by the letters "in"
        GroupCase{"out+=5", 10, 15}, GroupCase{"out-=5", 10, 5}, GroupCase{"out*=5", 10, 50},
        GroupCase{"out/=3", 10, 3}, GroupCase{"in+=5", 10, 10},  // in changes, out does not
        GroupCase{"in+=5;out=in", 10, 15},
        // 5-8: t = a op b
        GroupCase{"out=in+1", 10, 11}, GroupCase{"out=in-1", 10, 9}, GroupCase{"out=in*3", 10, 30},
        GroupCase{"out=in/4", 10, 2}, GroupCase{"out=2+in", 10, 12}, GroupCase{"out=out*out", 10, 100},
        // 9: t = e, 10: nothing
        GroupCase{"out=42", 10, 42}, GroupCase{"out=in", 10, 10}, GroupCase{"out", 10, 10},
        GroupCase{"nothing at all", 10, 10}, GroupCase{"BCD)", 10, 10},
        // the target: "in" anywhere means in, anything else out
        GroupCase{"min=3;out=in", 10, 3}, GroupCase{" out =3", 10, 3}, GroupCase{"x=3", 10, 3},
        GroupCase{"=3", 10, 3}, GroupCase{"pin*=2;out=in", 10, 20},
        // order of the forms: the compound operators are searched first, anywhere
        GroupCase{"out=in+=2", 10, 10},  // "+=" first: t is "out=in", which means in
        GroupCase{"out=in+=2;out=in", 10, 12},
        GroupCase{"out=-5", 10, -6},    // form 6 with an empty left operand (a key reference, -1)
        GroupCase{"out=0-5", 10, -5},
        GroupCase{"out=in-5+2", 10, 1},  // form 5 first: a = "in-5" is a key reference (-1)
        GroupCase{"out=in*-1", 10, -2},  // form 6 before 7: a = "in*" (-1), b = 1
        // statements run in order, later assignments override
        GroupCase{"out=1;out=2", 10, 2}, GroupCase{"out=1;if out==1 then out=5", 10, 5},
        GroupCase{"in=3;out=in+in", 10, 6}, GroupCase{";;out=4;;", 10, 4}, GroupCase{"", 10, 10}));

INSTANTIATE_TEST_SUITE_P(
    Conditions, StatementGroups,
    ::testing::Values(
        GroupCase{"out=0;if in>=5 then out=1", 5, 1}, GroupCase{"out=0;if in>=5 then out=1", 4, 0},
        GroupCase{"out=0;if in<=5 then out=1", 5, 1}, GroupCase{"out=0;if in<=5 then out=1", 6, 0},
        GroupCase{"out=0;if in>5 then out=1", 5, 0}, GroupCase{"out=0;if in>5 then out=1", 6, 1},
        GroupCase{"out=0;if in<5 then out=1", 4, 1}, GroupCase{"out=0;if in<5 then out=1", 5, 0},
        GroupCase{"out=0;if in==5 then out=1", 5, 1}, GroupCase{"out=0;if in!=5 then out=1", 5, 0},
        GroupCase{"out=0;if in!=5 then out=1", 6, 1},
        // comparisons are signed
        GroupCase{"out=0;if in<0 then out=1", -1, 1},
        GroupCase{"out=0;if $FFFFFFFF<0 then out=1", 0, 1},
        // spaces around operands are harmless on the left, and leading ones on the right
        GroupCase{"out=0;if in == 5 then out=1", 5, 1},
        // no operator: false
        GroupCase{"out=0;if in then out=1", 5, 0}, GroupCase{"out=0;if  then out=1", 5, 0},
        // "if " and " then " need their spaces
        GroupCase{"out=0;if in==5then out=1", 5, 0},  // no " then ": an action whose target is in
        GroupCase{"out=0;ifin==5 then out=1", 5, 0},  // no "if ": the same
        GroupCase{"out=0; then if in==5", 5, 0},      // " then " before "if ": never true
        // a key reference as an operand
        GroupCase{"out=0;if K==7 then out=1", 0, 1},
        GroupCase{"out=0;if Missing==-1 then out=1", 0, 1}));

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, StatementGroups,
    ::testing::Values(
        GroupCase{"out=in/2", 7, 3}, GroupCase{"out=in/2", -7, -3}, GroupCase{"out=in/-2", 7, -3},
        GroupCase{"out=in+1", INT32_MAX, INT32_MIN}, GroupCase{"out=in-1", INT32_MIN, INT32_MAX},
        GroupCase{"out=in*2", 0x40000000, INT32_MIN}, GroupCase{"out=in*in", 65536, 0},
        GroupCase{"out*=-1", INT32_MIN, INT32_MIN}, GroupCase{"out=in/$FFFFFFFF", INT32_MIN, INT32_MIN},
        GroupCase{"out/=-1", INT32_MIN, INT32_MIN}, GroupCase{"out=$7FFFFFFF+$7FFFFFFF", 0, -2},
        // division by zero fails the group
        GroupCase{"out=in/0", 5, std::nullopt}, GroupCase{"out/=0", 5, std::nullopt},
        GroupCase{"out=in/Zero", 5, std::nullopt}, GroupCase{"out=1;out=in/0;out=2", 5, std::nullopt},
        GroupCase{"out=7;if in==1 then out=in/0", 5, 7}));  // not executed: no failure

INSTANTIATE_TEST_SUITE_P(
    Operands, StatementGroups,
    ::testing::Values(
        GroupCase{"out=$10", 0, 16}, GroupCase{"out=0x10", 0, 16}, GroupCase{"out=x10", 0, 16},
        GroupCase{"out=  12", 0, 12},
        GroupCase{"out=+12", 0, 11},  // form 5 with an empty left operand (-1), like "out=-5"
        GroupCase{"out=2 ", 0, -1},    // a trailing space: a key reference
        GroupCase{"out= in ", 5, 5},   // registers with spaces around them
        GroupCase{"out=IN", 5, -1},    // registers are lower case
        GroupCase{"out=K", 0, 7}, GroupCase{"out=K*K", 0, 49},
        GroupCase{"out=99999999999", 0, -1}));

TEST(StatementGroupsOrder, OperandsAreEvaluatedLeftToRight) {
    FakeKeys keys;
    keys.values = {{"A", 1}, {"B", 2}};
    EXPECT_EQ(applyStatementGroup("if A==B then out=A+B;out=B-A", 0, keys.reader()), 1);
    EXPECT_EQ(keys.asked, (std::vector<std::string>{"A", "B", "B", "A"}));
}

TEST(StatementGroupsOrder, ConditionsAreSplitAtTheFirstOperatorTriedInOrder) {
    FakeKeys keys;
    Registers registers{5, 5};
    // ">" is tried before "!=": "a!=>b" splits at ">" into "a!=" and "b".
    EXPECT_FALSE(evaluateCondition("a!=>b", registers, keys.reader()));
    EXPECT_EQ(keys.asked, (std::vector<std::string>{"a!=", "b"}));
    keys.asked.clear();
    // "==" first: "in!==5" is "in!" against 5.
    EXPECT_FALSE(evaluateCondition("in!==5", registers, keys.reader()));
    EXPECT_EQ(keys.asked, (std::vector<std::string>{"in!"}));
}

TEST(StatementGroupsOrder, TheTargetIsChosenBeforeTheOperandsAndActionsUseTheFirstThen) {
    FakeKeys keys;
    Registers registers{1, 2};
    EXPECT_TRUE(runStatements("if in==1 then out=in then 3", registers, keys.reader()));
    // the action is "out=in then 3": the operand "in then 3" is a key reference
    EXPECT_EQ(registers.out, -1);
    EXPECT_EQ(keys.asked, (std::vector<std::string>{"in then 3"}));
}

TEST(StatementGroupsOrder, ADivisionByZeroStopsTheStatementsThere) {
    FakeKeys keys;
    Registers registers{5, 5};
    EXPECT_FALSE(runStatements("out=1;out=in/0;out=2", registers, keys.reader()));
    EXPECT_EQ(registers.out, 1);
}

TEST(Arithmetic, WrapsAndTruncatesWithoutUndefinedBehaviour) {
    EXPECT_EQ(wrappingAdd(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(wrappingSubtract(INT32_MIN, 1), INT32_MAX);
    EXPECT_EQ(wrappingMultiply(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(wrappingMultiply(123456789, 1000), static_cast<int32_t>(123456789000LL & 0xFFFFFFFF));
    EXPECT_EQ(truncatingDivide(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(truncatingDivide(-7, 2), -3);
    EXPECT_EQ(truncatingDivide(7, -2), -3);
    EXPECT_EQ(truncatingDivide(-7, -2), 3);
    EXPECT_EQ(truncatingDivide(1, 0), std::nullopt);
}

// ---- BCD and ASCII codings ----

TEST(BcdCoding, ReadsTheFirstElementAsTheLeastSignificantDigits) {
    struct Case {
        std::vector<uint8_t> raw;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {{0x00, 0x07, 0x01, 0x00}, 10700},
        {{0x89, 0x67, 0x45, 0x23}, 23456789},
        {{0x05, 0x00, 0x00, 0x00}, 5},
        {{0x47, 0x36, 0x48, 0x21}, 21483647},
        {{0x47, 0x36, 0x48, 0x47, 0x21}, INT32_MAX},
        {{0x48, 0x36, 0x48, 0x47, 0x21}, std::nullopt},  // 2147483648
        {{0xFF}, std::nullopt},                          // nibble 15: "?"
        {{0x0A}, std::nullopt},
        {{0xA0}, std::nullopt},
        {{}, std::nullopt},
        {std::vector<uint8_t>(31, 0x00), 0},
        {std::vector<uint8_t>(32, 0x00), std::nullopt},  // more than 31 bytes
    };
    for (const auto& c : cases) EXPECT_EQ(decodeBcd(c.raw), c.value) << ::testing::PrintToString(c.raw);
}

TEST(BcdCoding, PacksTheDecimalTextLeastSignificantFirst) {
    struct Case {
        int32_t value;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {10700, {0x00, 0x07, 0x01}},
        {123456789, {0x89, 0x67, 0x45, 0x23, 0x01}},
        {5, {0x05}},
        {0, {0x00}},
        {-5, {0xD5}},    // "-" packs as 13
        {-12, {0x12, 0x0D}},
        {INT32_MIN, {0x48, 0x36, 0x48, 0x47, 0x21, 0x0D}},
        {INT32_MAX, {0x47, 0x36, 0x48, 0x47, 0x21}},
    };
    for (const auto& c : cases) EXPECT_EQ(packBcd(c.value), c.bytes) << c.value;
}

TEST(AsciiCoding, ReadsUpToTheFirstZeroByteAsAnIntegerText) {
    struct Case {
        std::vector<uint8_t> raw;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {{'1', '2', 0, '3'}, 12},
        {{'1', '2', '3'}, 123},
        {{'-', '4', '2'}, -42},
        {{' ', '4', '2'}, 42},
        {{'$', '1', 'F'}, 31},
        {{'4', '2', ' '}, std::nullopt},
        {{0, '1'}, std::nullopt},
        {{'x'}, std::nullopt},
        {{}, std::nullopt},
        {{0xFF, '1'}, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeAscii(c.raw), c.value) << ::testing::PrintToString(c.raw);
}

}  // namespace
}  // namespace quorprog::transform
