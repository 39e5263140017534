#include "fleet/shared_log.h"

namespace quorprog {

void SharedLog::writeLine(std::string_view line) {
    const std::lock_guard lock(mutex_);
    target_.write(line);
}

PrefixedLog::~PrefixedLog() {
    if (!pending_.empty()) shared_.writeLine(prefix_ + pending_ + "\n");
}

void PrefixedLog::write(std::string_view text) {
    pending_ += text;
    size_t start = 0;
    for (size_t end = pending_.find('\n'); end != std::string::npos;
         end = pending_.find('\n', start)) {
        shared_.writeLine(prefix_ + pending_.substr(start, end + 1 - start));
        start = end + 1;
    }
    pending_.erase(0, start);
}

}  // namespace quorprog
