#include "files/file_bytes.h"

#include "seams/file_replacement.h"

#include <fstream>
#include <system_error>

namespace quorprog {

std::optional<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path,
                                                  std::uintmax_t maxSize) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > maxSize) return std::nullopt;

    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (in.gcount() != static_cast<std::streamsize>(size)) return std::nullopt;
    return bytes;
}

bool writeFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    return replaceFileContents(path, bytes);
}

}  // namespace quorprog
