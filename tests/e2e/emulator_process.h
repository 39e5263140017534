#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <string>

// quorprog-emu started by a test: it serves on a pseudo-terminal linked at `linkPath` and stops
// with the test (or with the test process, should that die first).
class EmulatorProcess {
  public:
    static constexpr int kStartTimeoutMs = 10000;

    EmulatorProcess(const QString& linkPath, QStringList arguments) {
        arguments << "--link" << linkPath << "--exit-with-parent";
        process_.setProgram(QStringLiteral(QUORPROG_BINARY_DIR "/bin/quorprog-emu"));
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        // The first line of its output is the device: once it is there, the link exists too.
        QDeadlineTimer deadline(kStartTimeoutMs);
        while (!process_.canReadLine() && !deadline.hasExpired() &&
               process_.state() != QProcess::NotRunning) {
            process_.waitForReadyRead(100);
        }
        device_ = process_.canReadLine() ? process_.readLine().trimmed().toStdString() : "";
    }
    ~EmulatorProcess() {
        process_.terminate();
        if (!process_.waitForFinished(kStartTimeoutMs)) process_.kill();
        process_.waitForFinished(kStartTimeoutMs);
    }

    // The device path it printed; empty when it did not start.
    const std::string& device() const { return device_; }

    // Stops it and tells whether it ended by itself with status 0.
    bool stop() {
        process_.terminate();
        return process_.waitForFinished(kStartTimeoutMs) &&
               process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

  private:
    QProcess process_;
    std::string device_;
};

// Waits, bounded, until the file holds `text`; the emulator writes its files as it serves.
inline bool waitForFileContaining(const QString& path, const QByteArray& text,
                                  int timeoutMs = 5000) {
    QDeadlineTimer deadline(timeoutMs);
    do {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text)) return true;
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    return false;
}
