#include "image_file.h"

#include "files/file_bytes.h"
#include "session/device_session.h"

namespace quorprog::cli {

std::optional<Bytes> readImageFile(const std::string& path, std::string& error) {
    auto bytes = readFileBytes(path, DeviceSession::kMaxMemorySize);
    if (!bytes) {
        error = "cannot read " + path + " (missing, unreadable or larger than " +
                std::to_string(DeviceSession::kMaxMemorySize) + " bytes)";
    } else if (bytes->empty()) {
        error = path + " is empty";
        bytes.reset();
    }
    return bytes;
}

bool writeImageFile(const std::string& path, const Bytes& bytes, std::string& error) {
    if (writeFileBytes(path, bytes)) return true;
    error = "cannot write " + path;
    return false;
}

}  // namespace quorprog::cli
