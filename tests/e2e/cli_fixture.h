#pragma once

// quorprog-cli run as a program by the end-to-end tests: a folder of its own with settings that
// map COM1 to quorprog-emu, the device's memory in a file there, and helpers to decode images as
// the program would.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "core_application.h"
#include "description/default_description.h"
#include "description/description_reader.h"
#include "emulator_process.h"
#include "fakes/recording_prompter.h"
#include "files/channel_file.h"
#include "files/channel_file_table.h"
#include "model/factory_image.h"
#include "seams/clock.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "session/device_session.h"
#include "text/local_texts.h"

namespace quorprog {

struct CliRun {
    int status = -1;  // also -1 when it crashed or did not end in time
    bool finished = false;
    std::string out;
    std::string err;
};

inline QByteArray asQBytes(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

inline Bytes factoryImage(const char* model) {
    return buildFactoryImage(DescriptionReader::fromText(defaultDescriptionText()), model);
}

// The built-in description with the dual-group model's memory grown to two banks (MemorySize
// 512), so that a write selects bank 0 after its check read ended on bank 1.
inline Bytes twoBankDescription() {
    std::string description(defaultDescriptionText());
    const std::string size256 = "[DEFAULTMAP2PART]\r\nMemorySize=256";
    const size_t at = description.find(size256);
    if (at != std::string::npos) {
        description.replace(at, size256.size(), "[DEFAULTMAP2PART]\r\nMemorySize=512");
    }
    return Bytes(description.begin(), description.end());
}

// A dual-group device of two banks: the factory bank 0 and a pattern in bank 1.
inline Bytes twoBankDevice() {
    Bytes memory = factoryImage("dual group system");
    memory.resize(512);
    for (size_t a = 256; a < 512; ++a) memory[a] = static_cast<uint8_t>(a * 7);
    return memory;
}

// An image decoded as the program would: the session's model loop and set-up, without a device.
struct DecodedImage {
    explicit DecodedImage(const Bytes& bytes) { detection = session.load(bytes); }

    DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    testing::RecordingPrompter prompter;
    NullProgressView progress;
    NullLog log;
    FixedClock clock{{2026, 12, 6}};
    LocalTexts texts;
    DeviceSession session{description, {prompter, progress, log, clock, texts}};
    Detection detection;
};

// A channel file with the factory plan of the dual-group model, every frequency moved up.
inline ChannelFile shiftedPlan(int32_t offsetKHz) {
    DecodedImage factory(factoryImage("dual group system"));
    ChannelFile plan = channelFileFromTable(factory.session.table(), 0);
    for (ChannelFileGroup& group : plan.groups) {
        for (float& frequency : group.frequencies) frequency += static_cast<float>(offsetKHz);
    }
    return plan;
}

class CliTest : public ::testing::Test {
  protected:
    // Far beyond any run's own time-outs: only a hung run meets it.
    static constexpr int kWatchdogMs = 120000;

    static void SetUpTestSuite() { testing::ensureCoreApplication(); }

    // The emulator answers on COM1; the other names point at devices that do not exist, so no
    // command touches the machine's own ports.
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath("config/quorprog"));
        QFile settings(path("config/quorprog/quorprog.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QStringLiteral("[PORTS]\r\nCOM1=%1\r\nCOM2=%2\r\nCOM3=%2\r\nCOM4=%2\r\n")
                           .arg(path("com1"), path("absent"))
                           .toUtf8());
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    std::string file(const QString& name) const { return path(name).toStdString(); }

    void writeFile(const QString& name, const Bytes& bytes) const {
        QFile out(path(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(asQBytes(bytes));
    }
    Bytes readFile(const QString& name) const {
        QFile in(path(name));
        if (!in.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = in.readAll();
        return Bytes(bytes.begin(), bytes.end());
    }

    // A device of the model with its memory in device.bin, served on COM1, traced to trace.txt.
    std::unique_ptr<EmulatorProcess> serveDevice(const Bytes& memory, QStringList more = {}) {
        writeFile("device.bin", memory);
        more << "--image" << path("device.bin") << "--trace" << path("trace.txt");
        auto emulator = std::make_unique<EmulatorProcess>(path("com1"), more);
        EXPECT_FALSE(emulator->device().empty());
        return emulator;
    }

    // Runs quorprog-cli with the test's settings and without a terminal on standard input, under
    // the locale named (the environment's when none is).
    CliRun run(const QStringList& arguments, const QString& locale = {}) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", path("config"));
        environment.insert("XDG_DATA_HOME", path("data"));
        if (!locale.isEmpty()) environment.insert("LC_ALL", locale);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(QStringLiteral(QUORPROG_BINARY_DIR "/bin/quorprog-cli"), arguments);
        CliRun result;
        result.finished = process.waitForFinished(kWatchdogMs);
        if (!result.finished) return result;
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput().toStdString();
        result.err = process.readAllStandardError().toStdString();
        return result;
    }

    QTemporaryDir folder;
};

}  // namespace quorprog
