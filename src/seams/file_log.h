#pragma once

#include <cstdio>
#include <string>

#include "seams/log.h"

namespace quorprog {

// log.txt: a buffered stdio stream, complete on disk once closed. A file that cannot be created
// leaves the log closed and every entry is dropped: the program runs on without a log.
class FileLog : public Log {
public:
    enum class Mode { Truncate, Append };

    FileLog() = default;
    FileLog(const std::string& path, Mode mode) { open(path, mode); }
    ~FileLog() override { close(); }
    FileLog(const FileLog&) = delete;
    FileLog& operator=(const FileLog&) = delete;

    bool open(const std::string& path, Mode mode);
    void close();
    bool isOpen() const { return file_ != nullptr; }

    void write(std::string_view text) override;

private:
    std::FILE* file_ = nullptr;
};

}  // namespace quorprog
