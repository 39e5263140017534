#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace quorprog::testing {

// A folder of its own under the system's temporary folder (not created), removed afterwards.
struct TemporaryFolder {
    TemporaryFolder()
        : path(std::filesystem::temp_directory_path() /
               ("quorprog_test_" + std::to_string(std::random_device()()))) {}
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::filesystem::path path;
};

}  // namespace quorprog::testing
