#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

#include "fakes/fake_programmer_line.h"
#include "fakes/link_recorders.h"
#include "files/channel_file.h"
#include "files/channel_file_table.h"
#include "fleet/fleet_run.h"
#include "fleet/report_csv.h"
#include "session/session_rig.h"
#include "text/text_ids.h"

namespace quorprog {
namespace {

using testing::FakeProgrammerLine;
using ::testing::HasSubstr;

// A session's own line to the fake box of the port it opens; each box is driven by one session.
class PortRouter : public SerialLine {
  public:
    explicit PortRouter(std::map<std::string, FakeProgrammerLine*> boxes) : boxes_(std::move(boxes)) {}
    bool open(const std::string& name, bool handshake) override {
        const auto found = boxes_.find(name);
        current_ = found == boxes_.end() ? nullptr : found->second;
        return current_ && current_->open(name, handshake);
    }
    void close() override {
        if (current_) current_->close();
    }
    size_t write(std::string_view bytes) override { return current_ ? current_->write(bytes) : 0; }
    std::optional<uint8_t> readByte() override {
        return current_ ? current_->readByte() : std::nullopt;
    }
    void purge() override {
        if (current_) current_->purge();
    }

  private:
    std::map<std::string, FakeProgrammerLine*> boxes_;
    FakeProgrammerLine* current_ = nullptr;
};

Bytes shiftedPlan() {
    testing::SessionRig factory(testing::factoryDevice("dual group system"));
    factory.session.load(factory.line.memory);
    ChannelFile plan = channelFileFromTable(factory.session.table(), 0);
    for (ChannelFileGroup& group : plan.groups)
        for (float& frequency : group.frequencies) frequency += 1000.0f;
    return serializeChannelFile(plan);
}

// The lines of `port` (those with the prefix "<port>: " when `prefixed`), the port's name in
// them made "PORT" so that two ports' lines compare.
std::vector<std::string> linesOf(const std::string& text, const std::string& port, bool prefixed) {
    const std::string prefix = prefixed ? port + ": " : "";
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(prefix)) continue;
        line.erase(0, prefix.size());
        for (size_t at = line.find(port); at != std::string::npos; at = line.find(port, at))
            line.replace(at, port.size(), "PORT");
        lines.push_back(line);
    }
    return lines;
}

class FleetRunTest : public ::testing::Test {
  protected:
    FleetRunTest() {
        for (const std::string port : {"COM1", "COM2", "COM3"}) {
            boxes[port] = std::make_unique<FakeProgrammerLine>(
                testing::factoryDevice("dual group system"), std::set<std::string>{port});
            devices.push_back({port, "QUORVEL TEST on " + port});
        }
        // The box on COM2 acknowledges writes and keeps none of them.
        boxes["COM2"]->keepsWrites = false;
    }

    std::vector<DeviceResult> round(const FleetRun::Decide& decide) {
        return run.runRound(devices, {}, decide);
    }

    DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    FixedClock clock{{2026, 12, 6}};
    LocalTexts texts;
    testing::RecordingLog logText;
    SharedLog log{logText};
    Bytes plan = shiftedPlan();
    std::map<std::string, std::unique_ptr<FakeProgrammerLine>> boxes;
    std::vector<FleetDevice> devices;
    FleetRun run{{description, texts, clock, log, nullptr, plan, nullptr, [this] {
                      std::map<std::string, FakeProgrammerLine*> lines;
                      for (auto& [port, box] : boxes) lines[port] = box.get();
                      return std::make_unique<PortRouter>(lines);
                  }}};
};

TEST_F(FleetRunTest, EachDeviceEndsOnItsOwnAndADeviceLeftConnectedIsToldTheNextRound) {
    const auto writeAll = [](const std::vector<PreparedDevice>& prepared) {
        for (const PreparedDevice& device : prepared) EXPECT_FALSE(device.programmedBefore);
        return std::vector<Verdict>(prepared.size());
    };
    const std::vector<DeviceResult> first = round(writeAll);

    ASSERT_EQ(first.size(), 3u);
    EXPECT_TRUE(first[0].ok) << first[0].message;
    EXPECT_FALSE(first[1].ok);
    EXPECT_EQ(first[1].message, texts.LocalText(text::kWriteFailed));
    EXPECT_TRUE(first[2].ok) << first[2].message;
    EXPECT_GT(first[0].changes, 0u);
    EXPECT_EQ(first[0].changes, first[2].changes);
    EXPECT_EQ(boxes["COM1"]->memory, boxes["COM3"]->memory);
    EXPECT_EQ(boxes["COM2"]->memory, testing::factoryDevice("dual group system"));

    // Each device's lines are exactly those of the same work done alone.
    testing::SessionRig alone(testing::factoryDevice("dual group system"));
    testing::RecordingLog aloneText;
    {
        const auto line = std::make_unique<FakeProgrammerLine>(alone.line.memory,
                                                               std::set<std::string>{"COM1"});
        NullProgressView progress;
        ProgrammerLink link(*line, aloneText, alone.prompter, progress);
        link.UseProgrammer("COM1", "QUORVEL TEST on COM1");
        DeviceSession session(description, {alone.prompter, progress, aloneText, clock, texts});
        ASSERT_TRUE(session.read(link));
        ASSERT_EQ(applyChannelPlan(session, plan, nullptr, alone.prompter, texts).outcome,
                  PlanApplication::Outcome::Applied);
        alone.prompter.answers = {Prompter::Answer::Yes};
        ASSERT_TRUE(session.write(link));
    }
    const std::vector<std::string> expected = linesOf(aloneText.text(), "COM1", false);
    EXPECT_GT(expected.size(), 8u);
    EXPECT_EQ(linesOf(logText.text(), "COM1", true), expected);
    EXPECT_EQ(linesOf(logText.text(), "COM3", true), expected);
    std::stringstream all(logText.text());
    for (std::string line; std::getline(all, line);) {
        EXPECT_TRUE(line.starts_with("COM")) << line;
        // Never a second device's prefix inside a line.
        for (const std::string other : {"COM1: ", "COM2: ", "COM3: "})
            EXPECT_EQ(line.find(other, 1), std::string::npos) << line;
    }

    std::vector<bool> told;
    const std::vector<DeviceResult> second =
        round([&](const std::vector<PreparedDevice>& prepared) {
            std::vector<Verdict> verdicts;
            for (const PreparedDevice& device : prepared) {
                told.push_back(device.programmedBefore);
                verdicts.push_back(device.programmedBefore
                                       ? Verdict{Verdict::Kind::Refuse, "connected again"}
                                       : Verdict{Verdict::Kind::Leave, {}});
            }
            return verdicts;
        });
    EXPECT_EQ(told, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(second[0].message, "connected again");
    EXPECT_TRUE(second[1].ok);
    EXPECT_EQ(second[1].round, 2);
}

struct CsvCase {
    std::string existing;
    std::string programmer;
    std::string expected;
};

class ReportCsvTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(ReportCsvTest, AppendsQuotedRecordsWithTheHeaderOnlyForANewFile) {
    DeviceResult result;
    result.time = {{2026, 12, 8}, {14, 30, 5}};
    result.port = "COM1";
    result.programmer = GetParam().programmer;
    result.model = "dual group system";
    result.ok = true;
    result.changes = 16;
    EXPECT_EQ(appendReportCsv(GetParam().existing, {result}), GetParam().expected);
}

const std::string kRecordTail = ",dual group system,ok,,16,\n";
INSTANTIATE_TEST_SUITE_P(
    Records, ReportCsvTest,
    ::testing::Values(
        CsvCase{"", "QUORVEL 2", std::string(kReportCsvHeader) +
                                     "\n2026-12-08T14:30:05,1,COM1,QUORVEL 2" + kRecordTail},
        CsvCase{"x\n", "a,\"b\"", "x\n2026-12-08T14:30:05,1,COM1,\"a,\"\"b\"\"\"" + kRecordTail},
        CsvCase{"x", "=CMD()", "x\n2026-12-08T14:30:05,1,COM1,'=CMD()" + kRecordTail},
        CsvCase{"x\n", "two\nlines", "x\n2026-12-08T14:30:05,1,COM1,\"two\nlines\"" + kRecordTail}));

}  // namespace
}  // namespace quorprog
