#include "traffic_trace.h"

namespace quorprog::emulator {

std::string escapeTraffic(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            static constexpr char kDigits[] = "0123456789ABCDEF";
            text += "\\x";
            text += kDigits[byte >> 4];
            text += kDigits[byte & 0xF];
        }
    }
    return text;
}

TrafficTrace::TrafficTrace(const std::string& path)
    : file_(path.empty() ? nullptr : std::fopen(path.c_str(), "w")) {}

TrafficTrace::~TrafficTrace() {
    if (!file_) return;
    if (direction_) std::fputc('\n', file_);
    std::fclose(file_);
}

void TrafficTrace::append(char direction, std::string_view bytes) {
    if (!file_ || bytes.empty()) return;
    if (direction != direction_) {
        if (direction_) std::fputc('\n', file_);
        std::fputc(direction, file_);
        std::fputc(' ', file_);
        direction_ = direction;
    }
    const std::string text = escapeTraffic(bytes);
    std::fwrite(text.data(), 1, text.size(), file_);
}

void TrafficTrace::remark(std::string_view text) {
    if (!file_) return;
    if (direction_) std::fputc('\n', file_);
    std::fprintf(file_, "! %.*s\n", static_cast<int>(text.size()), text.data());
    direction_ = 0;
}

void TrafficTrace::flush() {
    if (file_) std::fflush(file_);
}

}  // namespace quorprog::emulator
