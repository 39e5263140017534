#pragma once

#include <string_view>

namespace quorprog {

// The trace of programmer traffic and decoding. Entries are printf-style texts; line ends come
// only from the formats themselves, and there is no timestamp, prefix or level.
class Log {
public:
    virtual ~Log() = default;

    virtual void write(std::string_view text) = 0;

    // printf-style entry.
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
};

// Drops everything: a run without a log file.
class NullLog : public Log {
public:
    void write(std::string_view) override {}
};

}  // namespace quorprog
