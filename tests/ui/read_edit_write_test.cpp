#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/clickable_image.h"
#include "app/main_window.h"
#include "channels/date_stamp.h"
#include "channels/partition_keys.h"
#include "description/default_description.h"
#include "description/memory_map.h"
#include "fakes/recording_prompter.h"
#include "files/file_bytes.h"
#include "images/backup_store.h"
#include "images/image_changes.h"
#include "model/factory_image.h"
#include "modal_dialogs.h"
#include "seams/clock.h"
#include "text/text_ids.h"

namespace quorprog {
namespace {

using testing::chooseFileInNextDialog;
using testing::closeDialogLeftOpenAfter;
using testing::RecordingPrompter;
using testing::whenModalDialogOpens;

constexpr int kWaitMs = 20000;
constexpr char kModelMap[] = "DEFAULTMAP2PART";

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Bytes bytesOf(const QByteArray& data) {
    return Bytes(data.begin(), data.end());
}

// The program in temporary folders, against quorprog-emu serving a factory dual group device on
// COM1 (the other COM names lead nowhere, so the scan does not wander onto the machine's ports).
class ReadEditWrite : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        qputenv("XDG_CONFIG_HOME", root_.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", root_.filePath("data").toLocal8Bit());
        for (const char* folder : {"program", "help", "config/quorprog"}) {
            QDir(root_.path()).mkpath(folder);
        }
        startEmulator();
        QFile settings(root_.filePath("config/quorprog/quorprog.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[PORTS]\r\nCOM1=" + device_ +
                       "\r\nCOM2=" + root_.filePath("none2").toLocal8Bit() +
                       "\r\nCOM3=" + root_.filePath("none3").toLocal8Bit() +
                       "\r\nCOM4=" + root_.filePath("none4").toLocal8Bit() + "\r\n");
    }

    void TearDown() override {
        window_.reset();
        emulator_.terminate();
        if (!emulator_.waitForFinished(5000)) emulator_.kill();
    }

    void startEmulator() {
        emulator_.setProgram(QStringLiteral(QUORPROG_BINARY_DIR "/bin/quorprog-emu"));
        emulator_.setArguments(
            {"--model", "dual group system", "--image", imagePath(), "--exit-with-parent"});
        emulator_.start();
        ASSERT_TRUE(emulator_.waitForStarted(kWaitMs)) << emulator_.errorString().toStdString();
        QElapsedTimer waited;
        waited.start();
        while (!emulator_.canReadLine() && waited.elapsed() < kWaitMs) {
            emulator_.waitForReadyRead(100);
        }
        device_ = emulator_.readLine().trimmed();
        ASSERT_FALSE(device_.isEmpty()) << "quorprog-emu named no device";
    }

    QString imagePath() const { return root_.filePath("device.bin"); }
    std::filesystem::path backupFolder() const {
        return root_.filePath("backups").toStdString();
    }

    // Types a frequency (kHz) into row `row` of the grid and commits it with Enter.
    void typeFrequency(int row, const QString& kHz) {
        QTableWidget& grid = *controls().Grid;
        grid.setCurrentCell(row, 1);
        grid.editItem(grid.currentItem());
        // The editor of an earlier edit is deleted late: the newest one is this edit's.
        const auto editors = grid.findChildren<QLineEdit*>(QStringLiteral("GridEditor"));
        ASSERT_FALSE(editors.isEmpty());
        QLineEdit* editor = editors.last();
        editor->selectAll();
        QTest::keyClicks(editor, kHz);
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(grid.item(row, 1)->text(), kHz);
    }

    // Presses write and answers the question Yes.
    void writeDevice() {
        prompter_.messages.clear();
        prompter_.answers = {Prompter::Answer::Yes};
        QTest::mouseClick(controls().imgWrite, Qt::LeftButton);
        ASSERT_FALSE(prompter_.messages.empty());
        EXPECT_EQ(prompter_.messages.back().text, window_->LocalText(text::kWriteSucceeded));
    }

    TformMain& startWindow() {
        ShellEnvironment environment;
        environment.programFolder = root_.filePath("program") + "/";
        environment.settingsPath = root_.filePath("config/quorprog/quorprog.ini");
        environment.helpFolder = root_.filePath("help");
        environment.backupFolder = backupFolder();
        environment.prompter = &prompter_;
        environment.openUrl = [](const QUrl&) { return true; };
        window_ = TformMain::create(environment);
        if (!window_) ADD_FAILURE() << "the main window did not start";
        return *window_;
    }

    const MainWindowControls& controls() const { return window_->controls(); }

    // Shows the window (started here unless it is already), waits for the programmer search and
    // reads the device.
    void readDevice() {
        if (!window_) startWindow();
        window_->show();
        QTRY_COMPARE_WITH_TIMEOUT(controls().listProgrammers->count(), 1, kWaitMs);
        QTest::mouseClick(controls().imgRead, Qt::LeftButton);
        ASSERT_TRUE(controls().Grid->isEnabled());
        prompter_.messages.clear();
    }

    QTemporaryDir root_;
    QProcess emulator_;
    QByteArray device_;
    RecordingPrompter prompter_;
    std::unique_ptr<TformMain> window_;
};

TEST_F(ReadEditWrite, AnEditedFrequencyReachesTheDeviceWithTheDateAndNothingElse) {
    const Bytes before = bytesOf(readFile(imagePath()));
    ASSERT_EQ(before.size(), 256u);

    TformMain& window = startWindow();
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(controls().listProgrammers->count(), 1, kWaitMs);
    EXPECT_TRUE(controls().listProgrammers->itemText(0).endsWith(" on COM1"));
    EXPECT_FALSE(controls().Grid->isEnabled());

    QTest::mouseClick(controls().imgRead, Qt::LeftButton);
    ASSERT_TRUE(controls().Grid->isEnabled());
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].text, "dual group system");
    ASSERT_EQ(controls().Grid->rowCount(), 16);
    EXPECT_EQ(controls().spinGroup->maximum(), 1);

    // 470100 kHz on a receiver with a 10.7 MHz IF below: 36752 steps of 12.5 kHz, N 574, A 16.
    QTableWidget& grid = *controls().Grid;
    grid.setCurrentCell(3, 1);
    grid.editItem(grid.currentItem());
    auto* editor = grid.findChild<QLineEdit*>(QStringLiteral("GridEditor"));
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "470100");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid.item(3, 1)->text(), "470100");

    prompter_.messages.clear();
    prompter_.answers = {Prompter::Answer::Yes};
    QTest::mouseClick(controls().imgWrite, Qt::LeftButton);
    ASSERT_FALSE(prompter_.messages.empty());
    EXPECT_EQ(prompter_.messages.back().text, window.LocalText(text::kWriteSucceeded));
    EXPECT_GT(controls().cgBattery->value(), 0);

    const Bytes after = bytesOf(readFile(imagePath()));
    ASSERT_EQ(after.size(), before.size());

    // The bytes that may change: the edited channel's counters and every group's date.
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    const std::string section = kModelMap;
    RecordingPrompter quiet;
    MemoryImage allowed;
    allowed.reset();
    MemoryMap allowedMap(description, section, allowed, quiet);
    ASSERT_TRUE(allowedMap.WriteMapValue(partitionKey(0, "N", 3), 574));
    ASSERT_TRUE(allowedMap.WriteMapValue(partitionKey(0, "A", 3), 16));
    StampDates(allowedMap, 2, FixedClock({2026, 12, 6}));
    for (size_t a = 0; a < after.size(); ++a) {
        if (!allowed.isChanged(a)) EXPECT_EQ(after[a], before[a]) << "address " << a;
    }

    MemoryImage written;
    written.reset();
    written.bytes() = after;
    MemoryMap writtenMap(description, section, written, quiet);
    EXPECT_EQ(writtenMap.ReadMapValue(partitionKey(0, "N", 3)), 574);
    EXPECT_EQ(writtenMap.ReadMapValue(partitionKey(0, "A", 3)), 16);
    const QRegularExpression date(QStringLiteral("^\\d\\d\\D\\d\\d\\D\\d\\d$"));
    for (uint32_t p = 0; p < 2; ++p) {
        const std::string entry = writtenMap.entryOf(partitionKey(p, "Date"));
        const QString stamped = QString::fromStdString(writtenMap.ReadEntryText(entry));
        EXPECT_TRUE(date.match(stamped).hasMatch())
            << "group " << p << ": " << stamped.toStdString();
    }
}

TEST_F(ReadEditWrite, CtrlSInTheGridOpensTheServiceModeOnTheGroupShown) {
    readDevice();
    controls().spinGroup->setValue(1);
    controls().Grid->setCurrentCell(2, 2);

    QString passwordTitle;
    QString dataTitle;
    whenModalDialogOpens([&](QWidget& password) {
        passwordTitle = password.windowTitle();
        password.findChild<QLineEdit*>("editPassword")->setText("OrchardLantern");
        whenModalDialogOpens([&](QWidget& data) {
            dataTitle = data.windowTitle();
            // 12800 / 2560: a 5 kHz step.
            data.findChild<QComboBox*>("listXTALDividers")->setCurrentIndex(2);
            QTest::mouseClick(data.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
        });
        QTest::mouseClick(password.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    });
    QTest::keyClick(controls().Grid, Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(passwordTitle, "Service Password");
    EXPECT_EQ(dataTitle, "SERVICE DATA");
    EXPECT_EQ(controls().labelStepValue->text(), "5.000 kHz");
    EXPECT_EQ(controls().spinGroup->value(), 1);
}

TEST_F(ReadEditWrite, AChannelFileSavedFromTheDeviceOpensStraightBackIntoTheGroupShown) {
    readDevice();
    QTableWidget& grid = *controls().Grid;
    const QString saved = grid.item(5, 1)->text();
    const QString path = root_.filePath("plan.qvm");

    chooseFileInNextDialog(path);
    closeDialogLeftOpenAfter(kWaitMs, window_.get());
    QTest::mouseClick(controls().imgSave, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(path));

    grid.setCurrentCell(5, 1);
    grid.editItem(grid.currentItem());
    auto* editor = grid.findChild<QLineEdit*>(QStringLiteral("GridEditor"));
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "700000");
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_EQ(grid.item(5, 1)->text(), "700000");

    prompter_.messages.clear();
    chooseFileInNextDialog(path);
    closeDialogLeftOpenAfter(kWaitMs, window_.get());
    QTest::mouseClick(controls().imgOpen, Qt::LeftButton);
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].text, window_->LocalText(text::kFileRead));
    EXPECT_EQ(grid.item(5, 1)->text(), saved);
    EXPECT_EQ(grid.rowCount(), 16);
    EXPECT_EQ(controls().labelStepValue->text(), "12.500 kHz");
}

// quorprog FILE.qvm: before a read the window keeps the file and says so under the toolbar; the
// first successful read opens it as "open file" would, with its message. With a device read, the
// file opens at once.
TEST_F(ReadEditWrite, AFileGivenAtStartOpensAfterTheFirstReadOrAtOnce) {
    readDevice();
    typeFrequency(5, "700000");
    const QString path = root_.filePath("plan.qvm");
    chooseFileInNextDialog(path);
    closeDialogLeftOpenAfter(kWaitMs, window_.get());
    QTest::mouseClick(controls().imgSave, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(path));
    window_.reset();

    startWindow().show();
    prompter_.messages.clear();
    window_->openFileAtStart(path);
    QTest::qWait(50);
    EXPECT_TRUE(prompter_.messages.empty());
    EXPECT_EQ(controls().labelHelp->text(), "plan.qvm opens after the next read.");
    QTRY_COMPARE_WITH_TIMEOUT(controls().listProgrammers->count(), 1, kWaitMs);
    QTest::mouseClick(controls().imgRead, Qt::LeftButton);
    ASSERT_FALSE(prompter_.messages.empty());
    EXPECT_EQ(prompter_.messages.back().text, window_->LocalText(text::kFileRead));
    EXPECT_EQ(controls().Grid->item(5, 1)->text(), "700000");

    // Once opened, it is not opened again by the next read.
    prompter_.messages.clear();
    QTest::mouseClick(controls().imgRead, Qt::LeftButton);
    for (const auto& message : prompter_.messages) {
        EXPECT_NE(message.text, window_->LocalText(text::kFileRead));
    }
    EXPECT_NE(controls().Grid->item(5, 1)->text(), "700000");

    window_->openFileAtStart(path);
    QTRY_VERIFY_WITH_TIMEOUT(!prompter_.messages.empty() &&
                                 prompter_.messages.back().text ==
                                     window_->LocalText(text::kFileRead),
                             kWaitMs);
    EXPECT_EQ(controls().Grid->item(5, 1)->text(), "700000");
}

// The emulator's device as differences from `saved`, decoded.
std::vector<ImageChange> changesFrom(const Bytes& saved, const Bytes& device) {
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    return listImageChanges(description, "dual group system", saved, device);
}

TEST_F(ReadEditWrite, AWriteIsPreviewedAndBackedUpAndTheCliRestoresTheDeviceFromTheBackup) {
    const Bytes factory = bytesOf(readFile(imagePath()));
    readDevice();
    typeFrequency(3, "470100");
    typeFrequency(5, "470200");
    writeDevice();

    // The question keeps its text and lists the two channels and the dates as its details.
    EXPECT_EQ(prompter_.messages.front().text,
              window_->LocalText(text::kConfirmOverwriteDevice));
    const std::string& details = prompter_.lastDetails;
    EXPECT_NE(details.find("Group 0\n  channel 03: frequency 471.850 \u2192 470.100 MHz\n"
                           "  channel 05: frequency 473.500 \u2192 470.200 MHz\n"),
              std::string::npos)
        << details;
    EXPECT_NE(details.find("programming date: "), std::string::npos) << details;

    // The read and the device before the write, both as the factory left it.
    const auto backups = BackupStore(backupFolder()).list();
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(backups[0].kind, BackupKind::BeforeWrite);
    EXPECT_EQ(backups[1].kind, BackupKind::Read);
    EXPECT_EQ(readFileBytes(backups[1].file), factory);
    EXPECT_EQ(readFileBytes(backups[0].file), factory);
    EXPECT_EQ(changesFrom(factory, bytesOf(readFile(imagePath()))).size(), 4u);

    QProcess cli;
    cli.start(QStringLiteral(QUORPROG_BINARY_DIR "/bin/quorprog-cli"),
              {"--yes", "restore", QString::fromStdString(backups[0].file.string())});
    ASSERT_TRUE(cli.waitForFinished(kWaitMs));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    for (const ImageChange& left : changesFrom(factory, bytesOf(readFile(imagePath())))) {
        EXPECT_EQ(left.field, ChangeField::Date) << "group " << left.group;
    }
}

TEST_F(ReadEditWrite, ADeviceImageOfTheModelOpensForTheNextWriteAndAForeignOneIsRefused) {
    readDevice();
    const QString foreign = root_.filePath("single.bin");
    const Bytes single = buildFactoryImage(window_->description(), "single group system");
    ASSERT_TRUE(writeFileBytes(foreign.toStdString(), single));
    const Bytes factory = bytesOf(readFile(imagePath()));
    Bytes edited = factory;
    edited[100] = 0x5A;  // a byte no value uses
    const QString image = root_.filePath("edited.bin");
    ASSERT_TRUE(writeFileBytes(image.toStdString(), edited));

    // Opens `path` with the open file button and tells the one message that follows.
    const auto open = [this](const QString& path) {
        prompter_.messages.clear();
        chooseFileInNextDialog(path);
        closeDialogLeftOpenAfter(kWaitMs, window_.get());
        QTest::mouseClick(controls().imgOpen, Qt::LeftButton);
        return prompter_.texts();
    };
    EXPECT_EQ(open(foreign),
              std::vector<std::string>{window_->LocalText(text::kImageFromOtherModel)});
    // A file cut short is called too short, not another model.
    const QString truncated = root_.filePath("truncated.bin");
    ASSERT_TRUE(
        writeFileBytes(truncated.toStdString(), Bytes(edited.begin(), edited.begin() + 40)));
    EXPECT_EQ(
        open(truncated),
        std::vector<std::string>{"This image is too short: the connected device holds 256 bytes!"});
    EXPECT_EQ(open(image), std::vector<std::string>{window_->LocalText(text::kImageLoaded)});

    writeDevice();
    EXPECT_NE(prompter_.lastDetails.find("100: 0 \u2192 90"), std::string::npos)
        << prompter_.lastDetails;
    const auto left = changesFrom(edited, bytesOf(readFile(imagePath())));
    for (const ImageChange& change : left) EXPECT_EQ(change.field, ChangeField::Date);
}

TEST_F(ReadEditWrite, AFailedReadForgetsTheDeviceButLeavesTheGridEnabled) {
    readDevice();
    emulator_.kill();
    ASSERT_TRUE(emulator_.waitForFinished(kWaitMs));

    QTest::mouseClick(controls().imgRead, Qt::LeftButton);
    ASSERT_FALSE(prompter_.messages.empty());
    EXPECT_EQ(prompter_.messages.back().text,
              window_->LocalText(text::kMemoryCommunicationFailure));
    EXPECT_TRUE(controls().Grid->isEnabled());
    EXPECT_TRUE(controls().spinGroup->isEnabled());

    // Nothing is left to write.
    prompter_.messages.clear();
    QTest::mouseClick(controls().imgWrite, Qt::LeftButton);
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].text, window_->LocalText(text::kReadDeviceFirst));
}

TEST_F(ReadEditWrite, ALanguageSwitchRedrawsTheGroupInformationOnlyWithADevice) {
    TformMain& window = startWindow();
    controls().listLanguages->setCurrentIndex(1);
    emit controls().listLanguages->activated(1);
    EXPECT_TRUE(controls().labelRxTx->text().isEmpty());

    readDevice();
    controls().listLanguages->setCurrentIndex(0);
    emit controls().listLanguages->activated(0);
    EXPECT_EQ(controls().labelRxTx->text().toStdString(), window.LocalText(text::kReceiver, 0));
    controls().listLanguages->setCurrentIndex(1);
    emit controls().listLanguages->activated(1);
    EXPECT_EQ(controls().labelRxTx->text().toStdString(), window.LocalText(text::kReceiver, 1));
}

TEST_F(ReadEditWrite, WithoutADeviceReadingAsksForAProgrammerAndWritingAndPrintingForARead) {
    TformMain& window = startWindow();
    // Never shown: no search has run, so nothing is selected.
    QTest::mouseClick(controls().imgRead, Qt::LeftButton);
    QTest::mouseClick(controls().imgWrite, Qt::LeftButton);
    QTest::mouseClick(controls().imgPrint, Qt::LeftButton);
    ASSERT_EQ(prompter_.messages.size(), 3u);
    EXPECT_EQ(prompter_.messages[0].text, window.LocalText(text::kSelectProgrammer));
    EXPECT_EQ(prompter_.messages[0].caption, window.LocalText(text::kError));
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(prompter_.messages[i].text, window.LocalText(text::kReadDeviceFirst));
        EXPECT_EQ(prompter_.messages[i].caption, window.LocalText(text::kWarning));
    }
    EXPECT_FALSE(controls().Grid->isEnabled());
}

}  // namespace
}  // namespace quorprog
