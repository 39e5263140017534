// quorprog-cli ports on the cases a technician meets: a port that opens, a mapped device that is
// gone, a device the user may not open and a device another program holds.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "core_application.h"

namespace quorprog {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A pseudo-terminal: the slave side is the serial device.
class PseudoTerminal {
  public:
    PseudoTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            device_ = ptsname(master_);
        }
    }
    ~PseudoTerminal() {
        if (slave_ >= 0) ::close(slave_);
        if (master_ >= 0) ::close(master_);
    }
    const std::string& device() const { return device_; }
    // As a program does that takes the port for itself (QSerialPort does).
    bool holdExclusively() {
        slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
        return slave_ >= 0 && ::ioctl(slave_, TIOCEXCL) == 0;
    }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string device_;
};

class PortsCommand : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureCoreApplication(); }

    // Everything the tool needs sits in a folder any user may read: run as root, the tool runs
    // as nobody, since root opens any device whatever its permissions.
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                              QFile::ExeOther;
        ASSERT_TRUE(QFile::setPermissions(folder.path(), readable));
        ASSERT_TRUE(QDir(folder.path()).mkpath("config/quorprog"));
        QFile::setPermissions(path("config"), readable);
        QFile::setPermissions(path("config/quorprog"), readable);
        ASSERT_TRUE(QFile::copy(QUORPROG_BINARY_DIR "/bin/quorprog-cli", path("quorprog-cli")));
        QFile::setPermissions(path("quorprog-cli"), readable);
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    void mapPorts(const QStringList& devices) {
        QString text = "[PORTS]\r\n";
        for (int n = 0; n < devices.size(); ++n) {
            text += QStringLiteral("COM%1=%2\r\n").arg(n + 1).arg(devices[n]);
        }
        QFile settings(path("config/quorprog/quorprog.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(text.toUtf8());
        settings.close();
        settings.setPermissions(settings.permissions() | QFile::ReadOther);
    }

    struct ToolRun {
        int status = -1;
        std::string out;
        std::string err;
    };

    // quorprog-cli with these arguments, run as nobody when the test runs as root.
    ToolRun runTool(QStringList arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", path("config"));
        environment.insert("HOME", folder.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        if (geteuid() == 0) {
            arguments.prepend(path("quorprog-cli"));
            arguments =
                QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + arguments;
            process.start("setpriv", arguments);
        } else {
            process.start(path("quorprog-cli"), arguments);
        }
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    // Returns standard output; the exit status must be 0.
    std::string runPorts(const QStringList& options) {
        const ToolRun run = runTool(options + QStringList{"ports"});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }

    // A pseudo-terminal that any user may open.
    static void openToAll(const PseudoTerminal& terminal) {
        QFile::setPermissions(
            QString::fromStdString(terminal.device()),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    }

    QTemporaryDir folder;
};

TEST_F(PortsCommand, NamesWhatOpeningEachComPortGives) {
    PseudoTerminal free;
    PseudoTerminal held;
    ASSERT_FALSE(free.device().empty());
    ASSERT_TRUE(held.holdExclusively());
    openToAll(free);
    openToAll(held);
    QFile locked(path("locked"));
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.close();
    ASSERT_TRUE(locked.setPermissions(QFile::WriteOwner));
    const QString freeDevice = QString::fromStdString(free.device());
    const QString heldDevice = QString::fromStdString(held.device());
    mapPorts({freeDevice, path("absent"), path("locked"), heldDevice});

    const std::string text = runPorts({});
    EXPECT_THAT(text, HasSubstr("COM1 -> " + free.device() + " ([PORTS] entry): opens\n"));
    EXPECT_THAT(
        text, HasSubstr("COM2 -> " + path("absent").toStdString() + " ([PORTS] entry): missing\n"));
    EXPECT_THAT(text, HasSubstr("COM3 -> " + path("locked").toStdString() +
                                " ([PORTS] entry): permission denied\n"));
    EXPECT_THAT(text, HasSubstr("COM4 -> " + held.device() + " ([PORTS] entry): busy\n"));
    EXPECT_THAT(text, HasSubstr("Serial ports of the system"));

    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(runPorts({"--json"}))).object();
    const QJsonArray com = json["comPorts"].toArray();
    ASSERT_EQ(com.size(), 4);
    const char* const access[] = {"opens", "missing", "permission denied", "busy"};
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(com[n]["name"].toString(), QStringLiteral("COM%1").arg(n + 1));
        EXPECT_EQ(com[n]["source"].toString(), "settings");
        EXPECT_EQ(com[n]["access"].toString(), access[n]) << "COM" << n + 1;
    }
    EXPECT_EQ(com[2]["device"].toString(), path("locked"));
    EXPECT_TRUE(json["systemPorts"].isArray());
}

// A scan (and every command that needs a programmer) that finds none names a port that cannot be
// used: one another program holds is busy, a [PORTS] entry naming no device is missing; only
// ports that open and stay silent make "no programmer answers".
TEST_F(PortsCommand, AScanThatFindsNoProgrammerNamesTheBusyPort) {
    PseudoTerminal held;
    ASSERT_TRUE(held.holdExclusively());
    openToAll(held);
    const QString heldDevice = QString::fromStdString(held.device());
    mapPorts({path("absent"), heldDevice, path("absent"), path("absent")});
    for (const char* command : {"scan", "read"}) {
        const ToolRun run = runTool({command});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_THAT(run.err, HasSubstr("COM2 -> " + held.device() + ": busy")) << command;
        EXPECT_THAT(run.err, Not(HasSubstr("no programmer answers"))) << command;
    }

    mapPorts({path("absent"), path("absent"), path("absent"), path("absent")});
    EXPECT_THAT(runTool({"scan"}).err,
                HasSubstr("COM1 -> " + path("absent").toStdString() + " ([PORTS] entry): missing"));
}

}  // namespace
}  // namespace quorprog
