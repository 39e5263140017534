#include "coordination/compatibility_check.h"

#include <gtest/gtest.h>

#include <vector>

#include "coordination/tv_channels.h"

namespace quorprog::coordination {
namespace {

Hertz khz(double value) {
    return hertzFromKhz(value);
}

std::vector<Hertz> khzList(std::initializer_list<double> values) {
    std::vector<Hertz> list;
    for (const double value : values) list.push_back(khz(value));
    return list;
}

Conflict conflict(size_t channel, double frequency, ConflictKind kind,
                  std::initializer_list<double> sources, double product, double distance) {
    return {channel, khz(frequency), kind, khzList(sources), khz(product), khz(distance)};
}

Guards only(Hertz spacing, Hertz im3, Hertz im3x3, Hertz im5) {
    return {spacing, im3, im3x3, im5};
}

struct CheckCase {
    const char* name;
    std::vector<Hertz> channels;
    CoordinationRules rules;
    std::vector<Conflict> expected;
};

void PrintTo(const CheckCase& row, std::ostream* out) {
    *out << row.name;
}

class CompatibilityCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CompatibilityCheck, FindsExactlyTheHandWorkedConflicts) {
    EXPECT_EQ(findConflicts(GetParam().channels, GetParam().rules), GetParam().expected);
}

// Worked by hand from the definitions. In the three-transmitter case four channels satisfy
// a + b = c + x to within 30 kHz, so each of them is disturbed by the other three.
INSTANTIATE_TEST_SUITE_P(
    HandWorked, CompatibilityCheck,
    ::testing::Values(
        CheckCase{"SpacingWithEmptyChannelAndOnSite",
                  khzList({600000, 0, 600300}),
                  {only(khz(350), khz(100), khz(50), 0), khzList({601000}), {}, {}},
                  {conflict(0, 600000, ConflictKind::Spacing, {600300}, 600300, 300),
                   conflict(2, 600300, ConflictKind::Spacing, {600000}, 600000, 300)}},
        CheckCase{"SpacingOfHalfKilohertzChannels",
                  khzList({470012.5, 470350}),
                  {only(khz(350), 0, 0, 0), {}, {}, {}},
                  {conflict(0, 470012.5, ConflictKind::Spacing, {470350}, 470350, 337.5),
                   conflict(1, 470350, ConflictKind::Spacing, {470012.5}, 470012.5, 337.5)}},
        CheckCase{"Im3Of600000And606000At594000And612000",
                  khzList({600000, 606000, 594080, 612050}),
                  {only(khz(350), khz(100), 0, 0), {}, {}, {}},
                  {conflict(0, 600000, ConflictKind::Im3, {606000, 612050}, 599950, 50),
                   conflict(1, 606000, ConflictKind::Im3, {600000, 594080}, 605920, 80),
                   conflict(2, 594080, ConflictKind::Im3, {600000, 606000}, 594000, 80),
                   conflict(3, 612050, ConflictKind::Im3, {606000, 600000}, 612000, 50)}},
        CheckCase{"Im3x3Of600000606000And614000",
                  khzList({600000, 606000, 614000, 608030}),
                  {only(khz(350), 0, khz(50), 0), {}, {}, {}},
                  {conflict(0, 600000, ConflictKind::Im3x3, {606000, 608030, 614000}, 600030, 30),
                   conflict(1, 606000, ConflictKind::Im3x3, {600000, 614000, 608030}, 605970, 30),
                   conflict(2, 614000, ConflictKind::Im3x3, {606000, 608030, 600000}, 614030, 30),
                   conflict(3, 608030, ConflictKind::Im3x3, {600000, 614000, 606000}, 608000, 30)}},
        CheckCase{"Im5Of600000And606000At588000",
                  khzList({600000, 606000, 588040}),
                  {only(khz(350), 0, 0, khz(100)), {}, {}, {}},
                  {conflict(2, 588040, ConflictKind::Im5, {600000, 606000}, 588000, 40)}},
        CheckCase{"ImageWithOscillatorBelow",
                  khzList({600000, 578500}),
                  {only(khz(350), khz(100), khz(50), 0), {}, {}, ReceiverImage{khz(10700), false}},
                  {conflict(0, 600000, ConflictKind::Image, {578500}, 578600, 100)}},
        CheckCase{"ImageWithOscillatorAbove",
                  khzList({600000, 578500}),
                  {only(khz(350), khz(100), khz(50), 0), {}, {}, ReceiverImage{khz(10700), true}},
                  {conflict(1, 578500, ConflictKind::Image, {600000}, 599900, 100)}},
        CheckCase{"ExcludedRangeIncludesItsEnds",
                  khzList({600000, 610000}),
                  {only(khz(350), khz(100), khz(50), 0), {}, {{khz(598000), khz(600000)}}, {}},
                  {conflict(0, 600000, ConflictKind::Excluded, {598000, 600000}, 600000, 0)}},
        // 596000 = 2·600000 − 604000 and back; the far one of each pair lies 8 MHz away.
        CheckCase{"WindowOf12MhzKeepsOutTransmitters8MhzAway",
                  khzList({600000, 604000, 596000}),
                  {only(khz(350), khz(100), 0, 0), {}, {}, {}, khz(12000)},
                  {}},
        CheckCase{"WindowOf16MhzTakesTransmittersAtItsEdge",
                  khzList({600000, 604000, 596000}),
                  {only(khz(350), khz(100), 0, 0), {}, {}, {}, khz(16000)},
                  {conflict(1, 604000, ConflictKind::Im3, {600000, 596000}, 604000, 0),
                   conflict(2, 596000, ConflictKind::Im3, {600000, 604000}, 596000, 0)}},
        CheckCase{"ScanPointsCloserThanTheScanGuard",
                  khzList({600000, 601000}),
                  {only(khz(350), 0, 0, 0), {}, {}, {}, 0, khzList({599900, 599950, 600080, 600500}),
                   khz(100)},
                  {conflict(0, 600000, ConflictKind::Scan, {599950}, 599950, 50),
                   conflict(0, 600000, ConflictKind::Scan, {600080}, 600080, 80)}},
        CheckCase{"GuardsOfZeroTurnKindsOff",
                  khzList({600000, 606000, 594000, 600100}),
                  {only(0, 0, 0, 0), {}, {}, ReceiverImage{khz(10700), false}},
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompatibilityCheck, AnExcludedTvChannelNamesItself) {
    CoordinationRules rules;
    rules.excluded.push_back(excludedTvChannel(*tvChannel(TvRegion::Eu, 21)));
    Conflict expected = conflict(0, 474000, ConflictKind::Excluded, {470000, 478000}, 474000, 0);
    expected.label = "TV channel 21 (eu)";
    EXPECT_EQ(findConflicts(khzList({474000, 478350}), rules), std::vector<Conflict>{expected});
}

}  // namespace
}  // namespace quorprog::coordination
