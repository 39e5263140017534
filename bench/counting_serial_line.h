#pragma once

#include <cstddef>

#include "programmer/serial_line.h"

namespace quorprog {

// Passes everything to the real line and counts what crossed the wire, so a benchmark can work
// out the time the wire itself needs.
class CountingSerialLine : public SerialLine {
public:
    explicit CountingSerialLine(SerialLine& line) : line_(line) {}

    bool open(const std::string& name, bool handshake) override {
        const bool opened = line_.open(name, handshake);
        if (opened) ++opens_;
        return opened;
    }
    void close() override { line_.close(); }
    size_t write(std::string_view bytes) override {
        const size_t written = line_.write(bytes);
        bytesWritten_ += written;
        return written;
    }
    std::optional<uint8_t> readByte() override {
        const auto byte = line_.readByte();
        if (byte) ++bytesRead_;
        return byte;
    }
    void purge() override { line_.purge(); }

    void reset() { opens_ = bytesWritten_ = bytesRead_ = 0; }
    size_t opens() const { return opens_; }
    size_t bytesExchanged() const { return bytesWritten_ + bytesRead_; }

private:
    SerialLine& line_;
    size_t opens_ = 0;
    size_t bytesWritten_ = 0;
    size_t bytesRead_ = 0;
};

}  // namespace quorprog
