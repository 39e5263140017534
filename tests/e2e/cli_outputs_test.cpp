// What quorprog-cli writes, command family by command family, against a shared folder, a link, a
// device and a full disk; and what it prints, against control characters from outside.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "description/default_description.h"
#include "fakes/small_disk.h"
#include "files/channel_file.h"

namespace quorprog {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

const Bytes kOld = {'o', 'l', 'd', '\n'};

mode_t modeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

// One command family that writes a file; OUT stands for the file it writes.
struct OutputRow {
    const char* name;
    QStringList arguments;
    bool needsDevice = false;
    bool readsTheTarget = false;  // map write edits the image in place: the target must be one
};

void PrintTo(const OutputRow& row, std::ostream* out) {
    *out << row.name;
}

const OutputRow kOutputRows[] = {
    {"read", {"--no-backup", "read", "-o", "OUT"}, true},
    {"export-csv", {"export-csv", "plan.qvm", "-o", "OUT"}},
    {"import-csv", {"import-csv", "plan.csv", "--into", "plan.qvm", "-o", "OUT"}},
    {"coordinate", {"coordinate", "plan.qvm", "--group", "1", "-o", "OUT"}},
    {"sheet", {"sheet", "plan.qvm", "-o", "OUT"}},
    {"map write", {"map", "write", "OUT", "--key", "Partition0.Sub0", "9"}, false, true},
};

class CliOutputs : public CliTest, public ::testing::WithParamInterface<OutputRow> {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        ChannelFile plan = shiftedPlan(0);
        for (size_t c = 0; c < plan.groups[1].frequencies.size(); ++c)
            plan.groups[1].frequencies[c] = 606000.0f + 1000.0f * static_cast<float>(c);
        writeFile("plan.qvm", serializeChannelFile(plan));
        const std::string csv = "group,channel,frequency_khz,subtone\n0,2,470012.5,0\n";
        writeFile("plan.csv", Bytes(csv.begin(), csv.end()));
    }

    // What the target holds before the run: an image for the command that edits one in place.
    Bytes oldContents() const {
        return GetParam().readsTheTarget ? factoryImage("dual group system") : kOld;
    }

    CliRun runInto(const QString& target) {
        if (GetParam().needsDevice) emulator_ = serveDevice(factoryImage("dual group system"));
        QStringList arguments;
        for (const QString& argument : GetParam().arguments) {
            if (argument == "OUT") arguments << target;
            else if (argument.contains('.') && QFile::exists(path(argument))) arguments << path(argument);
            else arguments << argument;
        }
        return run(arguments);
    }

    std::unique_ptr<EmulatorProcess> emulator_;
};

// The target is a link to a file elsewhere, and links to a victim wait at every name a simple
// attacker would guess for the temporary file.
TEST_P(CliOutputs, WritesThroughALinkAndNeverThroughAPlantedOne) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("real"));
    writeFile("real/out", oldContents());
    fs::permissions(file("real/out"), fs::perms::owner_read | fs::perms::owner_write);
    writeFile("victim", kOld);
    fs::create_symlink("real/out", file("out"));
    const std::vector<std::string> guessable = {"out.part", "out.tmp", ".out.tmp", "out~",
                                                "out.new", ".out.swp"};
    for (const std::string& name : guessable) fs::create_symlink(file("victim"), file(name.c_str()));

    const CliRun result = runInto(path("out"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::is_symlink(file("out")));
    EXPECT_NE(readFile("real/out"), oldContents());
    EXPECT_EQ(modeOf(file("real/out")) & 07777, 0600u);
    EXPECT_EQ(readFile("victim"), kOld);
    for (const std::string& name : guessable) EXPECT_TRUE(fs::is_symlink(file(name.c_str())));
}

TEST_P(CliOutputs, ADeviceStaysADevice) {
    if (GetParam().readsTheTarget) GTEST_SKIP() << "the command reads its target first";
    const CliRun result = runInto("/dev/null");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(S_ISCHR(modeOf("/dev/null")));
}

TEST_P(CliOutputs, AFullDiskKeepsTheOldFileAndFails) {
    const testing::SmallDisk disk(file("disk"));
    if (!disk.mounted) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    writeFile("disk/out", oldContents());
    disk.fill();
    const CliRun result = runInto(path("disk/out"));
    EXPECT_EQ(result.status, 1) << result.out << result.err;
    EXPECT_THAT(result.err, HasSubstr("disk/out"));
    EXPECT_EQ(readFile("disk/out"), oldContents());
}

INSTANTIATE_TEST_SUITE_P(Commands, CliOutputs, ::testing::ValuesIn(kOutputRows),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(CliTest, OutputToStandardOutputGoesDownThePipe) {
    writeFile("plan.qvm", serializeChannelFile(shiftedPlan(0)));
    const CliRun result = run({"export-csv", path("plan.qvm"), "-o", "/dev/stdout"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, ::testing::StartsWith("group,channel,frequency_khz,subtone\n0,0,"));
}

// The built-in description with an escape sequence in the model's name, a subtone's name and an
// option's choice: text an edited description, and so images and plans, bring along.
std::string hostileDescription() {
    std::string text(defaultDescriptionText());
    const auto replace = [&](const std::string& from, const std::string& to) {
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    };
    replace("dual group system", "dual\x1B[2J group system");
    replace("String1=91.5 Hz", "String1=91.5\x1B[31m Hz");
    replace("String1=disabled", "String1=dis\x1B]0;title\x07abled");
    return text;
}

// Every command prints what comes from outside (names, texts, version lines, file names) through
// one printer: an escape character reaches neither stream raw, and shows as \x1B.
TEST_F(CliTest, NoEscapeFromOutsideReachesTheTerminal) {
    const std::string description = hostileDescription();
    writeFile("evil.cfg", Bytes(description.begin(), description.end()));
    const QStringList evil{"--description", path("evil.cfg")};
    writeFile("before.bin", factoryImage("dual group system"));
    Bytes after = factoryImage("dual group system");
    after[127] ^= 0x08;  // the "double click" option
    writeFile("after.bin", after);
    ASSERT_EQ(run(evil + QStringList{"map", "write", path("after.bin"), "--key", "Partition0.Sub0",
                                     "9"}).status, 0);
    ChannelFile plan = shiftedPlan(0);
    plan.modelIdentifier = "DEFAULTMAP2PART";
    plan.groups[0].subtoneCodes[0] = 9;
    writeFile("plan.qvm", serializeChannelFile(plan));
    ASSERT_TRUE(QDir(folder.path()).mkpath("data/quorprog/backups"));
    writeFile("data/quorprog/backups/20261208-143005 evil\x1B[2J read.bin", kOld);
    QFile settings(path("config/quorprog/quorprog.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(("[PORTS]\r\nCOM1=" + path("com1").toUtf8() + "\r\nCOM4=/dev/tty\x1B[31mUSB9\r\n"));
    settings.close();
    const auto emulator = serveDevice(factoryImage("dual group system"),
                                      {"--version", "QUORVEL\x1B[5m BOX 2.1"});

    const struct {
        const char* what;
        QStringList arguments;
    } runs[] = {
        {"scan version line", {"scan"}},
        {"ports: a [PORTS] entry", {"ports"}},
        {"backups: a file name", {"backups"}},
        {"show: the model name", evil + QStringList{"show", path("after.bin")}},
        {"diff: subtone and option texts", evil + QStringList{"diff", path("before.bin"), path("after.bin")}},
        {"dry run: subtone texts", evil + QStringList{"program", "--dry-run", path("plan.qvm")}},
        {"a file name on standard error", {"show", path("no\x1B[2Jsuch.bin")}},
        {"a CSV's field in an error", {"check", path("plan\x1B.csv")}},
    };
    writeFile("plan\x1B.csv", Bytes{'g', 'r', 'o', 'u', 'p', '\x1B'});
    for (const auto& r : runs) {
        const CliRun result = run(r.arguments);
        ASSERT_TRUE(result.finished) << r.what;
        EXPECT_EQ(result.out.find('\x1B'), std::string::npos) << r.what << ": " << result.out;
        EXPECT_EQ(result.err.find('\x1B'), std::string::npos) << r.what << ": " << result.err;
        EXPECT_THAT(result.out + result.err, HasSubstr("\\x1B")) << r.what;
    }
}

}  // namespace
}  // namespace quorprog
