#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "seams/clock.h"

namespace quorprog {

enum class BackupKind {
    Read,         // the device as a read found it
    BeforeWrite,  // the device as a write's check read found it, before the first byte
};

// "read" and "before write", as backup names and listings say.
std::string_view backupKindName(BackupKind kind);

struct BackupEntry {
    std::filesystem::path file;
    std::string model;  // as the name holds it (made safe for file names)
    BackupKind kind = BackupKind::Read;
    LocalTime time{};
    int sequence = 1;  // the order of backups within one second
};

// The folder of device backups: raw images, byte for byte what a read holds, named
// "YYYYMMDD-HHMMSS <model> read.bin" or "... before write.bin" so that a sorted listing is
// chronological and shows the model. A later backup within the same second (of any model or
// kind) gets "-02", "-03", ... after the time and never replaces an earlier one. A backup is
// written to a temporary file of the folder and then given its name, so a name never stands for a
// half-written image. Nothing here deletes a backup.
class BackupStore {
  public:
    explicit BackupStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }

    struct Saved {
        std::filesystem::path file;  // empty when nothing was saved
        std::string error;           // why, when nothing was saved
        explicit operator bool() const { return !file.empty(); }
    };
    // Creates the folder when needed.
    Saved save(std::span<const uint8_t> image, std::string_view model, BackupKind kind,
               const LocalTime& time) const;

    // The backups the folder holds, newest first; other files are left out.
    std::vector<BackupEntry> list() const;

  private:
    std::filesystem::path folder_;
};

// The file name of a backup (without "-NN" when `sequence` is 1). Characters that a file name
// cannot hold on the usual systems become "_".
std::string backupFileName(const LocalTime& time, int sequence, std::string_view model,
                           BackupKind kind);
// The parts of a backup's file name; nothing for another file.
std::optional<BackupEntry> parseBackupFileName(std::string_view name);

}  // namespace quorprog
