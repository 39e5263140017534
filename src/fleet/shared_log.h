#pragma once

#include <mutex>
#include <string>
#include <string_view>

#include "seams/log.h"

namespace quorprog {

// One log that several device sessions write at the same time. Entries arrive as whole lines,
// one at a time, so no line ever holds the text of two devices.
class SharedLog {
  public:
    explicit SharedLog(Log& target) : target_(target) {}

    void writeLine(std::string_view line);

  private:
    Log& target_;
    std::mutex mutex_;
};

// A session's log inside a SharedLog: what it writes is gathered into whole lines, each written
// with the prefix (its port, "COM1: "). The session's own entries stay exactly as they are; only
// their pieces (a set-up entry ends in " - " and the next completes the line) are held back until
// the line ends.
class PrefixedLog : public Log {
  public:
    PrefixedLog(SharedLog& shared, std::string prefix)
        : shared_(shared), prefix_(std::move(prefix)) {}
    // A line left unfinished is written with a line end of its own.
    ~PrefixedLog() override;
    PrefixedLog(const PrefixedLog&) = delete;
    PrefixedLog& operator=(const PrefixedLog&) = delete;

    void write(std::string_view text) override;

  private:
    SharedLog& shared_;
    std::string prefix_;
    std::string pending_;
};

}  // namespace quorprog
