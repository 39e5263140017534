#include "seams/file_log.h"

namespace quorprog {

bool FileLog::open(const std::string& path, Mode mode) {
    close();
    file_ = std::fopen(path.c_str(), mode == Mode::Truncate ? "w" : "a");
    return file_ != nullptr;
}

void FileLog::close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

void FileLog::write(std::string_view text) {
    if (file_) std::fwrite(text.data(), 1, text.size(), file_);
}

}  // namespace quorprog
