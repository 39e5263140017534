// check and coordinate with what a technician brings to a show: profiles, the receiver window,
// RF scans and TV channels; a step of no whole hertz; the bounds of a group and of numbers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "channels/pll.h"
#include "description/default_description.h"
#include "files/channel_file.h"

namespace quorprog {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Every frequency a --json coordinate printed, in kHz.
std::vector<double> frequenciesOf(const std::string& json) {
    std::vector<double> found;
    const size_t open = json.find('[');
    const size_t close = json.find(']');
    if (open == std::string::npos || close == std::string::npos) return found;
    std::string list = json.substr(open + 1, close - open - 1);
    for (size_t at = 0; at < list.size();) {
        const size_t comma = list.find(',', at);
        found.push_back(std::stod(list.substr(at, comma - at)));
        at = comma == std::string::npos ? list.size() : comma + 1;
    }
    return found;
}

struct Row {
    const char* name;
    QStringList arguments;  // "@name" stands for the file of that name in the test folder
    int status;
    std::vector<std::string> shown;     // in standard output or standard error
    std::vector<std::string> notShown;
    std::function<void(const CliRun&)> more;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class CliCoordinationTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        plan("window.qvm", {600000, 604000, 596000});
        plan("tv21.qvm", {474000, 480000});
        plan("near.qvm", {606000, 606380});
        plan("scanned.qvm", {606000, 610000});
        std::vector<float> dense;
        for (int c = 0; c < 40; ++c) dense.push_back(470000.0f + 25.0f * static_cast<float>(c));
        plan("dense.qvm", dense);
        plan("huge.qvm", std::vector<float>(2000, 0.0f));
        plan("crowded.qvm", {606000, 606100, 606200, 606300, 606400, 606500});
        text("peaks.csv", "Frequency (MHz);Level (dBm)\n# two carriers, one weak point\n"
                          "606.05;-62\n615.0;-70\n616.5;-95\n617.8;-48\n");
        // 12800 kHz divided by 1023: a channel step of 12.512… kHz.
        std::string description(defaultDescriptionText());
        description.replace(description.find("XTALDivider0=1024"), 17, "XTALDivider0=1023");
        text("r1023.cfg", description);
    }

    void plan(const QString& name, std::vector<float> group0) {
        ChannelFile file = shiftedPlan(0);
        file.groups[0].frequencies = std::move(group0);
        file.groups[0].subtoneCodes.assign(file.groups[0].frequencies.size(), 0);
        writeFile(name, serializeChannelFile(file));
    }

    void text(const QString& name, const std::string& content) {
        writeFile(name, Bytes(content.begin(), content.end()));
    }

    CliRun runRow(const QStringList& arguments) {
        QStringList resolved;
        for (const QString& argument : arguments)
            resolved << (argument.startsWith('@') ? path(argument.mid(1)) : argument);
        return run(resolved);
    }
};

const Row kRows[] = {
    {"ScanPeaksAreConflictsOfTheCheck",
     {"check", "@scanned.qvm", "--group", "0", "--scan", "@peaks.csv"}, 3,
     {"channel 00 at 606000 kHz: scan occupied at 606050 kHz, 50 kHz away"}, {"610000 kHz:"}},
    {"AThresholdAboveAPeakLeavesItFree",
     {"check", "@scanned.qvm", "--group", "0", "--scan", "@peaks.csv", "--threshold", "-60"}, 0,
     {"Group 0: compatible"}, {}},
    {"CoordinateAvoidsScanPeaksInsideTvChannel38",
     {"--json", "coordinate", "--only-tv", "us:38", "--step", "25", "--count", "8", "--scan",
      "@peaks.csv", "--threshold", "-100", "--scan-guard", "200"},
     0, {"\"found\":8"}, {},
     [](const CliRun& run) {
         const std::vector<double> found = frequenciesOf(run.out);
         EXPECT_EQ(found.size(), 8u);
         for (const double f : found) {
             EXPECT_TRUE(f >= 614000 && f <= 620000) << f;
             for (const double peak : {615000.0, 616500.0, 617800.0})
                 EXPECT_GE(std::abs(f - peak), 200) << f;
         }
     }},
    {"OnlyTvKeepsTheWholeSearchInsideTheChannel",
     {"--json", "coordinate", "--only-tv", "us:38", "--from", "470000", "--to", "790000",
      "--step", "12.5", "--count", "40"},
     3, {" of 40 compatible channels found"}, {},
     [](const CliRun& run) {
         for (const double f : frequenciesOf(run.out)) EXPECT_TRUE(f >= 614000 && f <= 620000) << f;
     }},
    {"AnExcludedTvChannelFlagsAChannelAt474Mhz",
     {"check", "@tv21.qvm", "--group", "0", "--exclude-tv", "eu:21"}, 3,
     {"channel 00 at 474000 kHz: excluded range 470000-478000 kHz (TV channel 21 (eu))"},
     {"480000 kHz:"}},
    {"OnlyTvInACheckFlagsChannelsOutside",
     {"check", "@tv21.qvm", "--group", "0", "--only-tv", "eu:21"}, 3,
     {"channel 01 at 480000 kHz: excluded range 478000.001-10000000 kHz (outside the TV "
      "channels of --only-tv)"},
     {"474000 kHz:"}},
    {"WithoutAWindowEveryTransmitterCounts",
     {"check", "@window.qvm", "--group", "0", "--im3x3", "0"}, 3,
     {"channel 01 at 604000 kHz: im3 of 600000, 596000 kHz at 604000 kHz"}, {}},
    {"AWindowOf12MhzKeepsOutTransmitters8MhzAway",
     {"check", "@window.qvm", "--group", "0", "--im3x3", "0", "--window", "12"}, 0,
     {"Group 0: compatible"}, {}},
    {"AWindowOf16MhzTakesThemAtItsEdge",
     {"check", "@window.qvm", "--group", "0", "--im3x3", "0", "--window", "16"}, 3,
     {"im3 of 600000, 596000 kHz"}, {}},
    {"TheStandardProfileSpacesChannels400kHz",
     {"check", "@near.qvm", "--group", "0", "--profile", "standard"}, 3,
     {"spacing from 606380 kHz, 380 kHz away"}, {}},
    {"AGuardOverridesTheProfile",
     {"check", "@near.qvm", "--group", "0", "--profile", "standard", "--spacing", "350"}, 0,
     {"compatible"}, {}},
    {"ADenseGroupListsTenConflictsAChannel",
     {"check", "@dense.qvm", "--group", "0"}, 3,
     {"  channel 00: ", " more (--all lists every conflict)\n"}, {}},
    {"AllListsEveryConflict",
     {"check", "@dense.qvm", "--group", "0", "--all"}, 3, {}, {"more (--all"}},
    {"AGroupLargerThanADeviceIsRefused",
     {"check", "@huge.qvm", "--group", "0"}, 1,
     {"group 0 has 2000 channels, more than a device holds (1024)"}, {}},
    {"ACoordinatedGroupLargerThanADeviceIsRefused",
     {"coordinate", "@huge.qvm", "--group", "0", "--step", "25", "-o", "@huge out.qvm"}, 1,
     {"group 0 has 2000 channels, more than a device holds (1024)"}, {}},
    {"ACountOutOfRangeSaysSo",
     {"coordinate", "--from", "470000", "--to", "480000", "--step", "25", "--count",
      "99999999999"},
     2, {"--count 99999999999 is out of range"}, {}},
    {"AStepOfNoWholeHertzIsCoordinatedExactly",
     {"--description", "@r1023.cfg", "coordinate", "@crowded.qvm", "--group", "0", "-o",
      "@r1023.qvm"},
     0, {"channel 01: 606100 -> "}, {}},
    {"ANumberOutOfRangeSaysSo",
     {"check", "@near.qvm", "--spacing", "99999999999"}, 2,
     {"--spacing 99999999999 is out of range"}, {"digits and a dot"}},
    {"AKeptChannelInsideAnExcludedRangeNamesIt",
     {"coordinate", "--from", "470000", "--to", "480000", "--step", "25", "--count", "2",
      "--keep", "474000", "--exclude", "470000-478000"},
     3, {"kept 474000 kHz: excluded range 470000-478000 kHz"}, {}},
    {"AnUnknownProfileIsAUsageError",
     {"check", "@near.qvm", "--profile", "loose"}, 2, {"standard, robust or dense"}, {}},
    {"AScanWithABadLineNamesIt",
     {"check", "@near.qvm", "--scan", "@r1023.cfg"}, 1, {"r1023.cfg: line "}, {}},
};

class CliCoordinationRows : public CliCoordinationTest,
                            public ::testing::WithParamInterface<Row> {};

TEST_P(CliCoordinationRows, AnswersAsTheRowSays) {
    const Row& row = GetParam();
    const CliRun result = runRow(row.arguments);
    EXPECT_EQ(result.status, row.status) << result.out << result.err;
    for (const std::string& text : row.shown)
        EXPECT_THAT(result.out + result.err, HasSubstr(text));
    for (const std::string& text : row.notShown)
        EXPECT_THAT(result.out + result.err, Not(HasSubstr(text)));
    if (row.more) row.more(result);
}

INSTANTIATE_TEST_SUITE_P(Rows, CliCoordinationRows, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The plan coordinated on the 12800 ÷ 1023 kHz step checks compatible, and every channel it
// moved lies on that step.
TEST_F(CliCoordinationTest, AStepOfNoWholeHertzGivesACompatiblePlan) {
    ASSERT_EQ(runRow({"--description", "@r1023.cfg", "coordinate", "@crowded.qvm", "--group", "0",
                      "-o", "@r1023.qvm"})
                  .status,
              0);
    EXPECT_EQ(runRow({"check", "@r1023.qvm", "--group", "0"}).status, 0);
    const ChannelFileParse written = parseChannelFile(readFile("r1023.qvm"));
    ASSERT_TRUE(written.ok());
    // As the device's encoding finds the multiple of its step for a stored frequency.
    const auto step = static_cast<float>(12800.0 / 1023 * 1);
    for (const float f : written.file.groups[0].frequencies) {
        if (f != 0.0f) EXPECT_EQ(gridPoint(gridPointBelow(f, step), step), f) << f;
    }
}

}  // namespace
}  // namespace quorprog
