#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorprog {

// One serial port as the programmer link uses it: opened by its COM name, bytes written, bytes
// read one at a time with a short time-out so that a silent programmer ends every read instead
// of hanging. The real line runs on QSerialPort; tests use a scripted fake or the emulator.
class SerialLine {
  public:
    // Each read waits this long for a byte: 500 ms plus 1 ms for the one byte asked for.
    static constexpr int kReadTimeoutMs = 501;

    virtual ~SerialLine() = default;

    // Opens and configures the port behind `name` (COM1 .. COM4): 19200 baud, 8 data bits, no
    // parity, 1 stop bit, DTR raised, hardware handshake when asked. False when it cannot be
    // opened; the caller logs that.
    virtual bool open(const std::string& name, bool handshake) = 0;
    virtual void close() = 0;
    // Number of bytes accepted; 0 when nothing could be written.
    virtual size_t write(std::string_view bytes) = 0;
    // One byte, or nothing after kReadTimeoutMs without input.
    virtual std::optional<uint8_t> readByte() = 0;
    // Drops whatever has arrived and not been read.
    virtual void purge() = 0;
};

}  // namespace quorprog
