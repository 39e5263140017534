#pragma once

#include <QSerialPort>
#include <filesystem>

#include "programmer/serial_line.h"

namespace quorprog {

// The serial line on a real port through QSerialPort. COM names are mapped to devices by the
// settings file's [PORTS] section or the system's port list.
class QtSerialLine : public SerialLine {
  public:
    // Gives the programmer time to wake up after DTR rises.
    static constexpr int kSettleMs = 300;
    // Writes wait for the bytes to leave, bounded so that a port held back by its handshake
    // cannot stop the program: this much plus the bytes' time on the wire.
    static constexpr int kWriteTimeoutMs = 1000;

    explicit QtSerialLine(std::filesystem::path settingsFile);
    ~QtSerialLine() override;

    bool open(const std::string& name, bool handshake) override;
    void close() override;
    size_t write(std::string_view bytes) override;
    std::optional<uint8_t> readByte() override;
    void purge() override;

  private:
    bool configure(bool handshake);

    std::filesystem::path settingsFile_;
    QSerialPort port_;
};

}  // namespace quorprog
