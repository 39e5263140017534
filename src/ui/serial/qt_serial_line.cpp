#include "ui/serial/qt_serial_line.h"

#include <QThread>

#include "ui/serial/low_latency.h"
#include "ui/serial/settings_port_map.h"

namespace quorprog {

namespace {

constexpr qint32 kBaudRate = 19200;
// The driver queues of the original port set-up: Qt's read buffer stands in for them.
constexpr qint64 kQueueSize = 16;
// Time of one byte at 19200 baud (10 bits), rounded up.
constexpr int kByteWireMs = 1;

}  // namespace

QtSerialLine::QtSerialLine(std::filesystem::path settingsFile)
    : settingsFile_(std::move(settingsFile)) {}

QtSerialLine::~QtSerialLine() {
    close();
}

bool QtSerialLine::open(const std::string& name, bool handshake) {
    if (port_.isOpen()) return false;
    const std::string device = deviceForPort(name, settingsFile_);
    if (device.empty()) return false;
    port_.setPortName(QString::fromStdString(device));
    if (!port_.open(QIODevice::ReadWrite)) return false;
    if (!configure(handshake)) {
        port_.close();
        return false;
    }
    QThread::msleep(kSettleMs);
    return true;
}

bool QtSerialLine::configure(bool handshake) {
    const bool configured =
        port_.setBaudRate(kBaudRate) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
        port_.setFlowControl(handshake ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
    if (!configured) return false;
    // Pseudo-terminals and some adapters have no DTR line: the port works without it.
    port_.setDataTerminalReady(true);
    port_.setReadBufferSize(kQueueSize);
    requestLowLatency(static_cast<int>(port_.handle()));
    port_.clearError();
    return true;
}

void QtSerialLine::close() {
    if (port_.isOpen()) port_.close();
}

size_t QtSerialLine::write(std::string_view bytes) {
    if (!port_.isOpen() || bytes.empty()) return 0;
    const qint64 accepted = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (accepted <= 0) return 0;
    const int timeout = kWriteTimeoutMs + kByteWireMs * static_cast<int>(accepted);
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(timeout)) {
            port_.clear(QSerialPort::Output);
            return 0;
        }
    }
    return static_cast<size_t>(accepted);
}

std::optional<uint8_t> QtSerialLine::readByte() {
    if (!port_.isOpen()) return std::nullopt;
    if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(kReadTimeoutMs)) {
        return std::nullopt;
    }
    char byte = 0;
    if (!port_.getChar(&byte)) return std::nullopt;
    return static_cast<uint8_t>(byte);
}

void QtSerialLine::purge() {
    if (port_.isOpen()) port_.clear(QSerialPort::Input);
}

}  // namespace quorprog
