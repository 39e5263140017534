#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace quorprog::testing {

// A tiny file system of its own (tmpfs) at `folder`, so that a write can genuinely meet a full
// disk. Mounting needs root (or a mount namespace): `mounted` is false where it is not permitted,
// and the test then skips.
struct SmallDisk {
    explicit SmallDisk(std::filesystem::path at, const char* size = "size=64k") : folder(std::move(at)) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, size) == 0;
    }
    ~SmallDisk() {
        if (mounted) ::umount2(folder.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Takes every free block, so that the next file that needs one finds none.
    void fill() const {
        std::ofstream filler(folder / "filler", std::ios::binary);
        const std::vector<char> block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) filler.flush();
    }

    std::filesystem::path folder;
    bool mounted = false;
};

}  // namespace quorprog::testing
