// The programmer link over the real QSerialPort line, against quorprog-emu on a pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "core_application.h"
#include "model/factory_image.h"
#include "description/default_description.h"
#include "description/description_reader.h"
#include "description/memory_image.h"
#include "emulator_process.h"
#include "fakes/link_recorders.h"
#include "fakes/recording_prompter.h"
#include "programmer/programmer_link.h"
#include "seams/clock.h"
#include "session/device_session.h"
#include "text/local_texts.h"
#include "ui/serial/low_latency.h"
#include "ui/serial/qt_serial_line.h"
#include "ui/serial/settings_port_map.h"

namespace quorprog {
namespace {

using testing::RecordingLog;
using testing::RecordingProgressView;
using testing::RecordingPrompter;

// The emulator serves COM2; the other names point at devices that do not exist, so the scan
// never touches the machine's own ports.
constexpr const char* kEmulatedPort = "COM2";

Bytes patternImage(size_t size) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 13 + i / 256 + 1);
    return bytes;
}

QByteArray asQBytes(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

class SerialLinkTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureCoreApplication(); }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile settings(path("quorprog.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QStringLiteral("[PORTS]\r\nCOM1=%1\r\nCOM2=%2\r\nCOM3=%1\r\nCOM4=%1\r\n")
                           .arg(path("absent"), path(kEmulatedPort))
                           .toUtf8());
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    void startEmulator(QStringList arguments) {
        arguments << "--trace" << path("trace.txt");
        emulator = std::make_unique<EmulatorProcess>(path(kEmulatedPort), arguments);
        ASSERT_FALSE(emulator->device().empty()) << "quorprog-emu did not start";
    }

    QString writeImage(const Bytes& bytes) {
        QFile file(path("image.bin"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(asQBytes(bytes));
        return file.fileName();
    }

    Bytes imageOnDisk() {
        QFile file(path("image.bin"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        return Bytes(bytes.begin(), bytes.end());
    }

    void chooseEmulator() {
        ASSERT_EQ(link.ScanProgrammers(), 1);
        link.SelectProgrammer(0);
    }

    bool traceHolds(const QByteArray& text) {
        return waitForFileContaining(path("trace.txt"), text);
    }

    QTemporaryDir folder;
    std::unique_ptr<EmulatorProcess> emulator;
    RecordingLog log;
    RecordingPrompter prompter;
    RecordingProgressView progress;
    QtSerialLine line{path("quorprog.ini").toStdString()};
    ProgrammerLink link{line, log, prompter, progress};
};

TEST_F(SerialLinkTest, ScanFindsTheEmulatorThroughThePortsMapping) {
    startEmulator({"--version", "QUORVEL TEST BOX 2.0"});
    EXPECT_EQ(link.ScanProgrammers(), 1);
    EXPECT_EQ(link.ProgrammerEntries(), std::vector<std::string>{"QUORVEL TEST BOX 2.0 on COM2"});
    EXPECT_EQ(log.text(),
              "Scanning COM ports for available programmers...\n"
              "ERROR: PORT COM1 NOT OPENED!\n"
              "Serial connection successfully opened on port COM2\n"
              "HELLO MESSAGE RECEIVED:\nQuorvel programmer box (emulated) - ready\n"
              "VERSION: QUORVEL TEST BOX 2.0\n"
              "SERIAL PORT CLOSED.\n"
              "ERROR: PORT COM3 NOT OPENED!\n"
              "ERROR: PORT COM4 NOT OPENED!\n"
              "Scan ended!\n");
    EXPECT_TRUE(traceHolds("> *\n< \\r\\nQuorvel programmer box (emulated) - ready\\r\\n>\n> V\n"));
}

// A pseudo-terminal has no low-latency setting, like many adapters' drivers: the request is
// refused, and the port opens and answers all the same (the scan above went through it).
TEST_F(SerialLinkTest, LowLatencyIsAskedWithoutHarmWhereTheDriverHasNone) {
    startEmulator({});
    const int fd = ::open(emulator->device().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(requestLowLatency(fd));
    ::close(fd);
    EXPECT_FALSE(requestLowLatency(-1));
    EXPECT_EQ(link.ScanProgrammers(), 1);
}

TEST_F(SerialLinkTest, SilentBoxIsNotListed) {
    startEmulator({"--fault", "silent"});
    EXPECT_EQ(link.ScanProgrammers(), 0);
    EXPECT_TRUE(link.ProgrammerEntries().empty());
    EXPECT_TRUE(traceHolds("> *"));
}

TEST_F(SerialLinkTest, BatteryLevelOfTheChosenProgrammer) {
    startEmulator({"--battery", "3"});
    chooseEmulator();
    EXPECT_EQ(link.BatteryLevel(), 3);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(traceHolds("> S\n< \\r\\nBATTERY=3\\r\\n>"));
}

TEST_F(SerialLinkTest, BankReadsGiveTheImage) {
    const Bytes image = patternImage(512);
    startEmulator({"--image", writeImage(image)});
    chooseEmulator();
    Bytes read(512, 0);
    // Bank 0 with the port closed, as the read command does it; bank 1 on an open port.
    link.SetBankDestination(std::span(read).first(256));
    ASSERT_TRUE(link.ReadBank(0)) << log.text();
    EXPECT_FALSE(link.IsOpen());
    ASSERT_TRUE(link.OpenProgrammer());
    link.SetBankDestination(std::span(read).subspan(256));
    ASSERT_TRUE(link.ReadBank(1)) << log.text();
    link.CloseProgrammer();
    EXPECT_EQ(read, image);
}

TEST_F(SerialLinkTest, SmallMemoryShowsTwiceInABank) {
    const Bytes image = patternImage(256);
    startEmulator({"--image", writeImage(image), "--size", "128"});
    chooseEmulator();
    Bytes read(256, 0);
    link.SetBankDestination(read);
    ASSERT_TRUE(link.ReadBank(0)) << log.text();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 128, read.begin()));
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 128, read.begin() + 128));
}

TEST_F(SerialLinkTest, BankReadsNeedTheMinimumDelay) {
    startEmulator({"--image", writeImage(patternImage(256)), "--min-delay", "100"});
    chooseEmulator();
    Bytes read(256, 0);
    link.SetBankDestination(read);
    link.SetDelay(50);
    EXPECT_FALSE(link.ReadBank(0));
    EXPECT_NE(log.text().find("MEMORY ERROR\n"), std::string::npos);
    link.SetDelay(100);
    EXPECT_TRUE(link.ReadBank(0)) << log.text();
    EXPECT_EQ(read, patternImage(256));
    EXPECT_TRUE(traceHolds("> D 32\\n\n< \\r\\nDELAY=32\\r\\n>\n"));
    EXPECT_TRUE(traceHolds("> D 64\\n\n< \\r\\nDELAY=64\\r\\n>\n"));
}

TEST_F(SerialLinkTest, WrittenByteReadsBackAndReachesTheImageFile) {
    Bytes image = patternImage(512);
    startEmulator({"--image", writeImage(image)});
    chooseEmulator();
    ASSERT_TRUE(link.OpenProgrammer());
    ASSERT_TRUE(link.SelectBank(1));
    EXPECT_TRUE(link.WriteByte(419, 0x5A));
    EXPECT_EQ(link.ReadByte(419), 0x5A);
    link.CloseProgrammer();
    image[419] = 0x5A;
    EXPECT_TRUE(traceHolds("> W 1A3 5A\\n\n< .\\r\\n>\n> R 1A3 01\\n\n"));
    EXPECT_EQ(imageOnDisk(), image);
}

// The single-group model on a memory of two banks and without a date to stamp: a write then
// changes only the bytes it is given. The memory map reaches bank 0 alone, so changes in bank 1
// come from the image itself, as a restored image brings them.
std::string twoBankDescription() {
    std::string text(defaultDescriptionText());
    const size_t section = text.find("[DEFAULTMAP1PART]");
    text.replace(text.find("MemorySize=128", section), 14, "MemorySize=512");
    const std::string date = "Partition0.Date=79,80,81,82,83,84,85,86\r\n";
    text.erase(text.find(date, section), date.size());
    return text;
}

// The write selects bank 0, whose bytes stay as they are, then bank 1: each selection must be
// confirmed by its own answer, not by the prompt left over from the one before.
TEST_F(SerialLinkTest, WriteOfChangesInTheSecondBankOnly) {
    const DescriptionReader description = DescriptionReader::fromText(twoBankDescription());
    Bytes device = buildFactoryImage(description, "single group system");
    ASSERT_EQ(device.size(), 512u);
    startEmulator({"--image", writeImage(device)});
    chooseEmulator();
    FixedClock clock{{2026, 12, 6}};
    LocalTexts texts;
    DeviceSession session{description, {prompter, progress, log, clock, texts}};
    ASSERT_TRUE(session.read(link)) << log.text();
    ASSERT_EQ(session.bankCount(), 2u);

    for (const size_t address : {0x100, 0x1A3, 0x1FF}) {
        device[address] ^= 0x5A;
        session.image().bytes()[address] = device[address];
        session.image().markChanged(address);
    }
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(session.write(link)) << log.text();

    EXPECT_EQ(log.text().find("ERROR SETTING BANK!"), std::string::npos) << log.text();
    EXPECT_EQ(imageOnDisk(), device);
}

TEST_F(SerialLinkTest, RowFaultEndsTheBankRead) {
    startEmulator(
        {"--image", writeImage(patternImage(256)), "--fault", "misaligned", "--fault-row", "10"});
    chooseEmulator();
    Bytes read(256, 0);
    link.SetBankDestination(read);
    EXPECT_FALSE(link.ReadBank(0));
    EXPECT_NE(log.text().find("Reading BANK 00 from memory\nERROR READING ROWS ALIGNMENT!\n"),
              std::string::npos);
}

TEST_F(SerialLinkTest, EndlessAnswerToAWriteDoesNotHangTheLink) {
    startEmulator({"--image", writeImage(patternImage(256)), "--fault", "endless"});
    chooseEmulator();
    ASSERT_TRUE(link.OpenProgrammer());
    EXPECT_TRUE(link.WriteByte(0x10, 0x20));
    // The write gave up while the box was still streaming: the next line is a full one.
    EXPECT_EQ(link.Transport().ReadLine(), SerialTransport::kMaxLineLength);
    link.CloseProgrammer();
    EXPECT_TRUE(traceHolds("> W 10 20\\n\n< 0123456789ABCDEF"));
}

TEST_F(SerialLinkTest, ModelServesItsFactoryDevice) {
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    for (const char* model : {"dual group system", "single group system"}) {
        const Bytes factory = buildFactoryImage(description, model);
        ASSERT_EQ(factory.size(), 256u) << model;
        startEmulator({"--model", model, "--image", path("image.bin")});
        ProgrammerLink fresh{line, log, prompter, progress};
        ASSERT_EQ(fresh.ScanProgrammers(), 1);
        fresh.SelectProgrammer(0);
        Bytes read(256, 0);
        fresh.SetBankDestination(read);
        ASSERT_TRUE(fresh.ReadBank(0)) << model << "\n" << log.text();
        EXPECT_EQ(read, factory) << model;
        EXPECT_EQ(imageOnDisk(), factory) << model;
        emulator.reset();
    }
}

TEST_F(SerialLinkTest, PortIsOpenToOneLineAtATime) {
    startEmulator({});
    QtSerialLine other{path("quorprog.ini").toStdString()};
    ASSERT_TRUE(line.open(kEmulatedPort, true));
    EXPECT_FALSE(other.open(kEmulatedPort, false));
    line.close();
    EXPECT_TRUE(other.open(kEmulatedPort, false));
    other.close();
}

TEST_F(SerialLinkTest, SettingsFileLivesInTheUserConfigurationFolder) {
    const bool hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    const QString applicationName = QCoreApplication::applicationName();
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    QCoreApplication::setApplicationName("quorprog");

    EXPECT_EQ(defaultSettingsFile(),
              std::filesystem::path(path("quorprog/quorprog.ini").toStdString()));

    QCoreApplication::setApplicationName(applicationName);
    if (hadConfigHome) {
        qputenv("XDG_CONFIG_HOME", configHome);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

TEST_F(SerialLinkTest, EmulatorStopsCleanlyOnTerminate) {
    startEmulator({});
    EXPECT_TRUE(emulator->stop());
    EXPECT_FALSE(QFile::exists(path(kEmulatedPort)));
}

}  // namespace
}  // namespace quorprog
