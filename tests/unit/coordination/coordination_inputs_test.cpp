// What a technician hands coordination besides guards: profiles, RF scans and TV channels.
#include <gtest/gtest.h>

#include "coordination/compatibility_profiles.h"
#include "coordination/rf_scan.h"
#include "coordination/tv_channels.h"

namespace quorprog::coordination {
namespace {

constexpr Hertz kKhz = kHertzPerKhz;

TEST(CompatibilityProfiles, NamedGuardsAndWindows) {
    const auto robust = compatibilityProfile("robust");
    ASSERT_TRUE(robust);
    EXPECT_EQ(robust->guards.spacing, 600 * kKhz);
    EXPECT_EQ(robust->guards.im5, 150 * kKhz);
    EXPECT_EQ(robust->window, 200'000 * kKhz);
    EXPECT_EQ(compatibilityProfile("dense")->guards.im3x3, 0);
    EXPECT_EQ(compatibilityProfile("standard")->window, 100'000 * kKhz);
    EXPECT_FALSE(compatibilityProfile("Standard"));
    EXPECT_EQ(compatibilityProfiles().size(), 3u);
}

struct ScanRow {
    const char* name;
    std::string text;
    std::vector<ScanPoint> points;
    std::string error;  // empty when the scan reads
};

void PrintTo(const ScanRow& row, std::ostream* out) {
    *out << row.name;
}

class ScanReading : public ::testing::TestWithParam<ScanRow> {};

TEST_P(ScanReading, GivesThePointsOrNamesTheLine) {
    const RfScan scan = readRfScan(GetParam().text);
    EXPECT_EQ(scan.points, GetParam().points);
    EXPECT_EQ(scan.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanReading,
    ::testing::Values(
        ScanRow{"UnitsByMagnitudeAndEverySeparator",
                "Frequency (MHz);Level (dBm)\r\n# a comment\n606.0125;-80.5\n\n"
                "606025,-95 # kHz\n606037500\t-70\n 606.05   -60 \n",
                {{606012500, -80.5}, {606025000, -95}, {606037500, -70}, {606050000, -60}},
                ""},
        ScanRow{"ALaterLineOfWordsIsRefused", "606,-80\nfrequency,level\n", {},
                "line 2: wants a frequency and a level in dBm"},
        ScanRow{"ThreeFields", "\n606 -80 12\n", {}, "line 2: wants a frequency and a level in dBm"},
        ScanRow{"NoLevel", "606;\n", {}, "line 1: wants a frequency and a level in dBm"},
        ScanRow{"LevelNotANumber", "606;nan\n", {}, "line 1: wants a level in dBm after the frequency"},
        ScanRow{"FrequencyAbove10Ghz", "20000000000 -80", {},
                "line 1: frequency out of range (above 0, at most 10 GHz)"},
        ScanRow{"FrequencyZero", "0 -80", {}, "line 1: frequency out of range (above 0, at most 10 GHz)"},
        ScanRow{"AbsurdLevel", "606 1e300", {}, "line 1: level out of range (-300 to 100 dBm)"},
        ScanRow{"Empty", "", {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanReading, RefusesAFileLargerThanAnyScan) {
    EXPECT_FALSE(readRfScan(std::string(kMaxScanBytes + 1, ' ')).ok());
}

TEST(ScanReading, OccupiedPointsReachTheThresholdAscendingOnce) {
    const std::vector<ScanPoint> points = {
        {607000000, -60}, {606000000, -90}, {606500000, -90.5}, {607000000, -50}};
    EXPECT_EQ(occupiedFrequencies(points, -90), (std::vector<Hertz>{606000000, 607000000}));
}

struct TvRow {
    const char* text;
    std::vector<int> numbers;  // of the region named in the text
    std::string error;
};

TEST(TvChannels, ListsOfChannelNumbers) {
    const TvRow rows[] = {
        {"eu:21,23,30-32", {21, 23, 30, 31, 32}, ""},
        {"us:38,14,38", {14, 38}, ""},
        {"eu:69", {69}, ""},
        {"eu:70", {}, "channel 70 is out of range: the eu channels are 21 to 69"},
        {"us:13-14", {}, "channel 13-14 is out of range: the us channels are 14 to 51"},
        {"eu:30-25", {}, "wants channel numbers like 21,23,30-35, not \"30-25\""},
        {"eu:21,", {}, "wants channel numbers like 21,23,30-35, not \"\""},
        {"uk:21", {}, "wants REGION:LIST with the region eu or us"},
        {"21", {}, "wants REGION:LIST with the region eu or us"},
    };
    for (const TvRow& row : rows) {
        SCOPED_TRACE(row.text);
        const TvChannelList list = parseTvChannels(row.text);
        EXPECT_EQ(list.error, row.error);
        std::vector<int> numbers;
        for (const TvChannel& channel : list.channels) numbers.push_back(channel.number);
        EXPECT_EQ(numbers, row.numbers);
    }
}

TEST(TvChannels, EdgesOfBothPlans) {
    EXPECT_EQ(tvChannel(TvRegion::Eu, 21), (TvChannel{TvRegion::Eu, 21, 470000 * kKhz, 478000 * kKhz}));
    EXPECT_EQ(tvChannel(TvRegion::Eu, 69)->high, 862000 * kKhz);
    EXPECT_EQ(tvChannel(TvRegion::Us, 38), (TvChannel{TvRegion::Us, 38, 614000 * kKhz, 620000 * kKhz}));
    EXPECT_EQ(tvChannel(TvRegion::Us, 51)->high, 698000 * kKhz);
    EXPECT_FALSE(tvChannel(TvRegion::Us, 52));
    EXPECT_FALSE(tvChannel(TvRegion::Eu, 20));
}

}  // namespace
}  // namespace quorprog::coordination
