#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace quorprog::emulator {

// The transcript of --trace: one line per change of direction, "> " and the bytes the host sent,
// "< " and the bytes the box answered. Bytes are escaped so that every line is plain text:
// "\r", "\n", "\\", and "\xHH" for anything else outside printable ASCII. A "! " line is the
// emulator's own remark between them. The file is flushed after every exchange, so a reader sees
// the traffic while the box runs.
class TrafficTrace {
  public:
    // No transcript when `path` is empty.
    explicit TrafficTrace(const std::string& path);
    ~TrafficTrace();
    TrafficTrace(const TrafficTrace&) = delete;
    TrafficTrace& operator=(const TrafficTrace&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void hostSent(std::string_view bytes) { append('>', bytes); }
    void boxSent(std::string_view bytes) { append('<', bytes); }
    // A line of its own; the traffic after it starts a new line.
    void remark(std::string_view text);
    void flush();

  private:
    void append(char direction, std::string_view bytes);

    std::FILE* file_ = nullptr;
    char direction_ = 0;
};

std::string escapeTraffic(std::string_view bytes);

}  // namespace quorprog::emulator
