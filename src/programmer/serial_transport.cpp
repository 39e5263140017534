#include "programmer/serial_transport.h"

namespace quorprog {

namespace {

bool isLineEnd(uint8_t byte) {
    return byte == '\r' || byte == '\n';
}

}  // namespace

bool SerialTransport::OpenPort(const std::string& name, bool handshake) {
    if (open_) return false;
    if (!line_.open(name, handshake)) {
        log_.printf("ERROR: PORT %s NOT OPENED!\n", name.c_str());
        return false;
    }
    log_.printf("Serial connection successfully opened on port %s\n", name.c_str());
    open_ = true;
    return true;
}

void SerialTransport::ClosePort() {
    if (!open_) return;
    line_.purge();
    line_.close();
    open_ = false;
    log_.write("SERIAL PORT CLOSED.\n");
}

size_t SerialTransport::WriteText(std::string_view text) {
    if (!open_) return 0;
    size_t written = 0;
    while (written < text.size()) {
        const size_t count = line_.write(text.substr(written));
        // A line that takes nothing would otherwise be asked again for ever.
        if (count == 0) break;
        written += count;
    }
    return written;
}

size_t SerialTransport::ReadLine() {
    replyLine_.clear();
    if (!open_) return 0;
    for (size_t bytesRead = 0; replyLine_.size() < kMaxLineLength && bytesRead < kMaxBytesPerRead;
         ++bytesRead) {
        const auto byte = line_.readByte();
        if (!byte) break;
        if (isLineEnd(*byte)) {
            if (replyLine_.empty()) continue;
            break;
        }
        replyLine_.push_back(static_cast<char>(*byte));
    }
    return replyLine_.size();
}

bool SerialTransport::WaitPrompt(std::string* collected) {
    if (collected) collected->clear();
    if (!open_) return false;
    size_t counted = 0;
    for (size_t bytesRead = 0; bytesRead < kMaxBytesPerRead; ++bytesRead) {
        const auto byte = line_.readByte();
        if (!byte) return false;
        if (*byte == '>') return true;
        if (isLineEnd(*byte)) continue;
        if (collected) collected->push_back(static_cast<char>(*byte));
        if (++counted == kPromptLimit) return false;
    }
    return false;
}

bool SerialTransport::WaitDot() {
    if (!open_) return false;
    for (size_t bytesRead = 0; bytesRead < kDotLimit; ++bytesRead) {
        const auto byte = line_.readByte();
        if (!byte) return false;
        if (*byte == '.') return true;
    }
    return false;
}

}  // namespace quorprog
