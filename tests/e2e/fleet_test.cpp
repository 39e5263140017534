// quorprog-cli programming several emulated programmer boxes at once, round after round.
#include <gmock/gmock.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <regex>
#include <sstream>

#include "cli_fixture.h"
#include "files/channel_file.h"

namespace quorprog {
namespace {

using ::testing::HasSubstr;

class FleetTest : public CliTest {
  protected:
    static constexpr int kBoxes = 4;

    // COM1..COM4 lead to box1..box4 in the test's folder.
    void SetUp() override {
        CliTest::SetUp();
        QFile settings(path("config/quorprog/quorprog.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QString ports = "[PORTS]\r\n";
        for (int n = 1; n <= kBoxes; ++n) ports += QString("COM%1=%2\r\n").arg(n).arg(box(n));
        settings.write(ports.toUtf8());
        writeFile("plan.qvm", serializeChannelFile(plan));
    }

    QString box(int n) const { return path(QString("box%1").arg(n)); }
    QString memory(int n) const { return QString("device%1.bin").arg(n); }

    // A factory device on COMn, its memory in device<n>.bin.
    std::unique_ptr<EmulatorProcess> serveBox(int n, QStringList more = {}) {
        writeFile(memory(n), factoryImage("dual group system"));
        more << "--image" << path(memory(n));
        auto emulator = std::make_unique<EmulatorProcess>(box(n), more);
        EXPECT_FALSE(emulator->device().empty());
        return emulator;
    }

    // Whether box n holds the plan, decoded as the program would.
    ::testing::AssertionResult holdsPlan(int n) const {
        DecodedImage device(readFile(memory(n)));
        if (device.detection != Detection::Identified)
            return ::testing::AssertionFailure() << "box " << n << " not identified";
        for (size_t p = 0; p < plan.groups.size(); ++p) {
            if (device.session.table().Frequency[p] != plan.groups[p].frequencies)
                return ::testing::AssertionFailure() << "box " << n << " group " << p;
        }
        return ::testing::AssertionSuccess();
    }

    std::vector<std::string> lines(const QString& name) const {
        const Bytes bytes = readFile(name);
        std::vector<std::string> out;
        std::stringstream text(std::string(bytes.begin(), bytes.end()));
        for (std::string line; std::getline(text, line);) out.push_back(line);
        return out;
    }

    const ChannelFile plan = shiftedPlan(1000);
};

TEST_F(FleetTest, TwoBoxesGetThePlanEachLogLineNamesItsPortAndTheReportListsBoth) {
    const auto first = serveBox(1);
    const auto second = serveBox(2);

    const CliRun result = run({"--yes", "--log", path("fleet.log"), "program", path("plan.qvm"),
                               "--all-ports", "--report", path("report.json")});

    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(holdsPlan(1));
    EXPECT_TRUE(holdsPlan(2));
    EXPECT_THAT(result.err, HasSubstr("WARNING: Are you sure you want to overwrite data on 2 "
                                      "wireless devices? [yes/no] yes (--yes)"));
    EXPECT_THAT(result.out, HasSubstr("COM1: Writing   100%"));
    EXPECT_TRUE(std::regex_search(result.out,
                                  std::regex("COM2 +QUORVEL[^\n]* on COM2 +dual group system +ok "
                                             "+[1-9][0-9]* +[0-9]+\\.[0-9]\n")))
        << result.out;

    // Each device's lines whole and prefixed; the scan's lines before them without a prefix.
    int perPort[3] = {0, 0, 0};
    for (const std::string& line : lines("fleet.log")) {
        if (line.starts_with("COM1: ")) ++perPort[1];
        if (line.starts_with("COM2: ")) ++perPort[2];
        if (!line.starts_with("COM")) {
            EXPECT_TRUE(perPort[1] + perPort[2] == 0) << "unprefixed after a device: " << line;
        }
        EXPECT_FALSE(std::regex_search(line.substr(std::min<size_t>(line.size(), 6)),
                                       std::regex("COM[12]: ")))
            << "two devices in one line: " << line;
    }
    EXPECT_GE(perPort[1], 10);
    EXPECT_EQ(perPort[1], perPort[2]);
    const std::vector<std::string> log = lines("fleet.log");
    EXPECT_NE(std::find(log.begin(), log.end(), "COM2: Reading BANK 00 from memory"), log.end());

    const Bytes report = readFile("report.json");
    const QJsonDocument document = QJsonDocument::fromJson(asQBytes(report));
    const QJsonArray devices = document.object().value("devices").toArray();
    ASSERT_EQ(devices.size(), 2) << std::string(report.begin(), report.end());
    for (int i = 0; i < 2; ++i) {
        const QJsonObject record = devices[i].toObject();
        EXPECT_EQ(record.value("port").toString(), QString("COM%1").arg(i + 1));
        EXPECT_EQ(record.value("result").toString(), "ok");
        EXPECT_EQ(record.value("round").toInt(), 1);
        EXPECT_EQ(record.value("model").toString(), "dual group system");
        EXPECT_GT(record.value("changes").toInt(), 0);
        EXPECT_TRUE(record.value("backup").toString().endsWith("before write.bin"));
        EXPECT_GT(record.value("seconds").toDouble(), 0.0);
        EXPECT_TRUE(QFile::exists(record.value("backup").toString()));
    }
}

TEST_F(FleetTest, OneFailingBoxOfFourLeavesTheOthersProgrammedAndTheReportNamesIt) {
    std::vector<std::unique_ptr<EmulatorProcess>> boxes;
    for (int n = 1; n <= kBoxes; ++n) {
        boxes.push_back(serveBox(n, n == 3 ? QStringList{"--fault", "wrong-readback"}
                                           : QStringList{}));
    }

    const CliRun result = run({"--yes", "program", path("plan.qvm"), "--ports",
                               "COM1,COM2,COM3,COM4", "--report", path("report.csv")});

    EXPECT_EQ(result.status, 1) << result.err;
    for (int n : {1, 2, 4}) EXPECT_TRUE(holdsPlan(n));
    EXPECT_FALSE(holdsPlan(3));
    EXPECT_THAT(result.out, HasSubstr("failed: Data has NOT written successfully!"));

    const std::vector<std::string> report = lines("report.csv");
    ASSERT_EQ(report.size(), 5u);
    EXPECT_EQ(report[0], "time,round,port,programmer,model,result,message,changes,backup");
    for (int n = 1; n <= kBoxes; ++n) {
        const std::string& record = report[static_cast<size_t>(n)];
        EXPECT_TRUE(std::regex_search(
            record, std::regex("^20[0-9]{2}-[0-9]{2}-[0-9]{2}T[0-9:]{8},1,COM" +
                               std::to_string(n) + ",QUORVEL[^,]* on COM" + std::to_string(n) +
                               ",dual group system," + (n == 3 ? "failed,\"Data has NOT" : "ok,,[1-9]"))))
            << record;
    }
}

TEST_F(FleetTest, ASecondRoundRefusesTheDeviceLeftConnectedAndProgramsTheSwappedOne) {
    auto first = serveBox(1);
    auto second = serveBox(2);
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", path("config"));
    environment.insert("XDG_DATA_HOME", path("data"));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(QUORPROG_BINARY_DIR "/bin/quorprog-cli"),
              {"--yes", "program", path("plan.qvm"), "--ports", "COM1,COM2", "--rounds", "2",
               "--report", path("report.csv")});
    ASSERT_TRUE(cli.waitForStarted());
    QByteArray err;
    QDeadlineTimer deadline(kWatchdogMs);
    while (!err.contains("press Enter") && !deadline.hasExpired() &&
           cli.state() == QProcess::Running) {
        cli.waitForReadyRead(200);
        err += cli.readAllStandardError();
    }
    ASSERT_TRUE(err.contains("press Enter")) << err.toStdString();
    EXPECT_TRUE(holdsPlan(1));
    EXPECT_TRUE(holdsPlan(2));

    // The technician swaps the device on COM2 and leaves the one on COM1.
    second.reset();
    second = serveBox(2);
    cli.write("\n");
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished(kWatchdogMs));
    err += cli.readAllStandardError();

    EXPECT_EQ(cli.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("The device on COM1 already holds what this run wrote to a device. "
                             "Program it again? [yes/no] no"))
        << err.toStdString();
    EXPECT_TRUE(holdsPlan(2));
    const std::vector<std::string> report = lines("report.csv");
    ASSERT_EQ(report.size(), 5u);
    const std::vector<std::string> expected = {
        ",1,COM1,", ",ok,", ",1,COM2,", ",ok,",
        ",2,COM1,", ",failed,Not written: already programmed in this run,",
        ",2,COM2,", ",ok,"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_THAT(report[i + 1], HasSubstr(expected[2 * i])) << i;
        EXPECT_THAT(report[i + 1], HasSubstr(expected[2 * i + 1])) << i;
    }
}

}  // namespace
}  // namespace quorprog
