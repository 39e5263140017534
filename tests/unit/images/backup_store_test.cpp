#include "images/backup_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "description/memory_image.h"
#include "fakes/temporary_folder.h"
#include "files/file_bytes.h"

namespace quorprog {
namespace {

namespace fs = std::filesystem;
using testing::TemporaryFolder;

const LocalTime kTime{{2026, 12, 8}, {14, 30, 5}};

TEST(BackupFileName, SortsChronologicallyShowsTheModelAndIsSafe) {
    const struct {
        LocalTime time;
        int sequence;
        const char* model;
        BackupKind kind;
        const char* name;
    } cases[] = {
        {kTime, 1, "dual group system", BackupKind::Read,
         "20261208-143005 dual group system read.bin"},
        {kTime, 2, "dual group system", BackupKind::BeforeWrite,
         "20261208-143005-02 dual group system before write.bin"},
        {{{2027, 1, 2}, {3, 4, 5}},
         1,
         "a/b\\c:d*e?f\"g<h>i|j\tk",
         BackupKind::Read,
         "20270102-030405 a_b_c_d_e_f_g_h_i_j_k read.bin"},
    };
    for (const auto& c : cases) {
        const std::string name = backupFileName(c.time, c.sequence, c.model, c.kind);
        EXPECT_EQ(name, c.name);
        const auto parsed = parseBackupFileName(name);
        ASSERT_TRUE(parsed) << name;
        EXPECT_EQ(parsed->kind, c.kind);
        EXPECT_EQ(parsed->time.date.year, c.time.date.year);
        EXPECT_EQ(parsed->time.time.second, c.time.time.second);
    }
    EXPECT_EQ(parseBackupFileName("20261208-143005 dual group system read.bin")->model,
              "dual group system");
    for (const char* other : {"notes.txt", "20261208-143005 read.bin", "2026120-143005 x read.bin",
                              ".incomplete-0123.bin", "20261208-143005 x written.bin"}) {
        EXPECT_FALSE(parseBackupFileName(other)) << other;
    }
}

TEST(BackupStore, KeepsEveryBackupOfTheSameSecondAndListsTheNewestFirst) {
    TemporaryFolder folder;
    const BackupStore store(folder.path / "backups");
    const Bytes first(256, 0x11);
    const Bytes second(256, 0x22);
    const auto saved1 = store.save(first, "dual group system", BackupKind::Read, kTime);
    // Another kind in the same second still sorts after the first.
    const auto saved2 = store.save(second, "dual group system", BackupKind::BeforeWrite, kTime);
    ASSERT_TRUE(saved1) << saved1.error;
    ASSERT_TRUE(saved2) << saved2.error;
    EXPECT_NE(saved1.file, saved2.file);
    EXPECT_EQ(readFileBytes(saved1.file), first);
    EXPECT_EQ(readFileBytes(saved2.file), second);
    std::ofstream(folder.path / "backups" / "notes.txt") << "not a backup";

    const auto entries = store.list();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].file, saved2.file);
    EXPECT_EQ(entries[1].file, saved1.file);
    EXPECT_EQ(entries[0].model, "dual group system");
    // Only the two backups: no temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path / "backups"), {}), 3);
}

TEST(BackupStore, AFolderThatCannotBeMadeSavesNothingAndSaysWhy) {
    TemporaryFolder folder;
    fs::create_directories(folder.path);
    std::ofstream(folder.path / "backups") << "a file where the folder should be";
    const BackupStore store(folder.path / "backups");
    const auto saved = store.save(Bytes(256, 1), "dual group system", BackupKind::Read, kTime);
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.error.find("backups"), std::string::npos) << saved.error;
    EXPECT_TRUE(store.list().empty());
}

}  // namespace
}  // namespace quorprog
