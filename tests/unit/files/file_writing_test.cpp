// The one writer of every file the program and its tools write, against what a shared folder, a
// link, a device and a full disk do to a naive "write beside, then rename".
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <string>

#include "description/memory_image.h"
#include "fakes/small_disk.h"
#include "fakes/temporary_folder.h"
#include "files/file_bytes.h"
#include "images/backup_store.h"

namespace quorprog {
namespace {

namespace fs = std::filesystem;
using testing::SmallDisk;
using testing::TemporaryFolder;

const std::string kOld = "old contents\n";
const std::string kNew = "new contents, longer than the old ones\n";

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put(const fs::path& path, const std::string& text, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, static_cast<fs::perms>(mode));
}

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

bool writeText(const fs::path& path, const std::string& text) {
    return writeFileBytes(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// The names a simple attacker would plant a link at, beside a target of `name`: what tools and
// this program used before ("*.part", the backups' ".incomplete-*").
std::vector<std::string> guessableNames(const std::string& name) {
    return {name + ".part",  name + ".tmp",   "." + name + ".tmp", "." + name + ".swp",
            name + "~",      name + ".new",   ".incomplete-0000000000000000.bin",
            ".#" + name};
}

struct Scene {
    TemporaryFolder temporary;
    fs::path folder;
    fs::path target;  // what the writer is given
    Scene() : folder(temporary.path), target(temporary.path / "plan.qvm") {
        fs::create_directories(folder);
    }
};

struct Row {
    const char* name;
    std::function<void(Scene&)> prepare;
    bool succeeds;
    std::function<void(const Scene&)> check;
};

// Every row also checks that no temporary file is left beside the target.
const std::vector<Row>& rows() {
    static const std::vector<Row> table = {
        {"a new file gets 0666 less the umask", [](Scene&) {}, true,
         [](const Scene& s) {
             EXPECT_EQ(contentsOf(s.target), kNew);
             EXPECT_EQ(modeOf(s.target) & 07777, 0640u);
         }},
        {"an existing file keeps its permissions", [](Scene& s) { put(s.target, kOld, 0600); },
         true,
         [](const Scene& s) {
             EXPECT_EQ(contentsOf(s.target), kNew);
             EXPECT_EQ(modeOf(s.target) & 07777, 0600u);
         }},
        {"an executable stays executable", [](Scene& s) { put(s.target, kOld, 0751); }, true,
         [](const Scene& s) { EXPECT_EQ(modeOf(s.target) & 07777, 0751u); }},
        {"a link is written through and stays a link",
         [](Scene& s) {
             fs::create_directories(s.folder / "real");
             put(s.folder / "real" / "named.qvm", kOld, 0600);
             fs::create_symlink("real/named.qvm", s.target);
         },
         true,
         [](const Scene& s) {
             EXPECT_TRUE(fs::is_symlink(s.target));
             EXPECT_EQ(contentsOf(s.folder / "real" / "named.qvm"), kNew);
             EXPECT_EQ(modeOf(s.folder / "real" / "named.qvm") & 07777, 0600u);
             EXPECT_EQ(fs::directory_iterator(s.folder / "real")->path().filename(), "named.qvm");
         }},
        {"a chain of links ends at the file written",
         [](Scene& s) {
             put(s.folder / "end.qvm", kOld);
             fs::create_symlink(s.folder / "end.qvm", s.folder / "middle");
             fs::create_symlink("middle", s.target);
         },
         true,
         [](const Scene& s) {
             EXPECT_TRUE(fs::is_symlink(s.target));
             EXPECT_TRUE(fs::is_symlink(s.folder / "middle"));
             EXPECT_EQ(contentsOf(s.folder / "end.qvm"), kNew);
         }},
        {"a link to a file not yet there creates that file",
         [](Scene& s) { fs::create_symlink("created.qvm", s.target); }, true,
         [](const Scene& s) {
             EXPECT_TRUE(fs::is_symlink(s.target));
             EXPECT_EQ(contentsOf(s.folder / "created.qvm"), kNew);
         }},
        {"links planted at guessable names leave their files alone",
         [](Scene& s) {
             put(s.folder / "victim", kOld);
             put(s.target, kOld);
             for (const std::string& name : guessableNames(s.target.filename()))
                 fs::create_symlink(s.folder / "victim", s.folder / name);
         },
         true,
         [](const Scene& s) {
             EXPECT_EQ(contentsOf(s.folder / "victim"), kOld);
             EXPECT_EQ(contentsOf(s.target), kNew);
             for (const std::string& name : guessableNames(s.target.filename()))
                 EXPECT_TRUE(fs::is_symlink(s.folder / name)) << name;
         }},
        {"a device is written in place and stays a device",
         [](Scene& s) { s.target = "/dev/null"; }, true,
         [](const Scene& s) { EXPECT_TRUE(S_ISCHR(modeOf(s.target))); }},
        {"a link to a device leaves both as they were",
         [](Scene& s) { fs::create_symlink("/dev/null", s.target); }, true,
         [](const Scene& s) {
             EXPECT_TRUE(fs::is_symlink(s.target));
             EXPECT_TRUE(S_ISCHR(modeOf("/dev/null")));
         }},
        {"a folder is refused", [](Scene& s) { fs::create_directory(s.target); }, false,
         [](const Scene& s) { EXPECT_TRUE(fs::is_directory(s.target)); }},
        {"a loop of links is refused",
         [](Scene& s) {
             fs::create_symlink("other", s.target);
             fs::create_symlink(s.target.filename(), s.folder / "other");
         },
         false, [](const Scene& s) { EXPECT_TRUE(fs::is_symlink(s.target)); }},
        {"a missing folder is refused", [](Scene& s) { s.target = s.folder / "none" / "x.qvm"; },
         false, [](const Scene& s) { EXPECT_FALSE(fs::exists(s.target)); }},
    };
    return table;
}

class FileWriting : public ::testing::TestWithParam<size_t> {};

TEST_P(FileWriting, FollowsTheRulesOfEveryOutput) {
    const Row& row = rows()[GetParam()];
    SCOPED_TRACE(row.name);
    const mode_t previous = ::umask(027);
    Scene scene;
    row.prepare(scene);
    const auto before = [&] {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(scene.folder)) names.push_back(entry.path());
        return names.size();
    }();
    EXPECT_EQ(writeText(scene.target, kNew), row.succeeds);
    ::umask(previous);
    row.check(scene);
    size_t after = 0;
    for (const auto& entry : fs::directory_iterator(scene.folder)) {
        EXPECT_EQ(entry.path().filename().string().find(".quorprog-"), std::string::npos)
            << "left behind: " << entry.path();
        ++after;
    }
    EXPECT_LE(after, before + 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, FileWriting, ::testing::Range<size_t>(0, rows().size()));

// A FIFO (a pipe with a name, as `-o >(gzip > x)` gives) is written into, never replaced.
TEST(FileWritingInPlace, AFifoIsWrittenIntoAndStaysAFifo) {
    TemporaryFolder folder;
    fs::create_directories(folder.path);
    const fs::path fifo = folder.path / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto reader = std::async(std::launch::async, [&] { return contentsOf(fifo); });
    EXPECT_TRUE(writeText(fifo, kNew));
    EXPECT_EQ(reader.get(), kNew);
    EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));
}

// A full disk: the old file stays whole, the failure is reported and nothing is left behind. The
// backups, which never replace a file, fail the same way.
TEST(FileWritingOnAFullDisk, KeepsTheOldFileAndFails) {
    TemporaryFolder folder;
    const SmallDisk disk(folder.path / "disk");
    if (!disk.mounted) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const fs::path target = disk.folder / "plan.qvm";
    put(target, kOld, 0600);
    disk.fill();
    EXPECT_FALSE(writeText(target, kNew));
    EXPECT_EQ(contentsOf(target), kOld);
    EXPECT_EQ(modeOf(target) & 07777, 0600u);

    const BackupStore store(disk.folder / "backups");
    fs::remove(disk.folder / "filler");
    fs::create_directories(store.folder());
    disk.fill();
    const Bytes image(4096 * 2, 0x5A);
    const auto saved = store.save(image, "dual group system", BackupKind::Read, {{2026, 12, 8}, {14, 30, 5}});
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.error.empty());
    for (const fs::path& where : {disk.folder, store.folder()}) {
        for (const auto& entry : fs::directory_iterator(where))
            EXPECT_EQ(entry.path().filename().string().find(".quorprog-"), std::string::npos)
                << "left behind: " << entry.path();
    }
}

// A backup never replaces a file of its name, not even through a link planted there.
TEST(BackupWriting, APlantedLinkAtABackupsNameIsSkippedNotFollowed) {
    TemporaryFolder folder;
    const BackupStore store(folder.path / "backups");
    fs::create_directories(store.folder());
    const LocalTime time{{2026, 12, 8}, {14, 30, 5}};
    // A dangling link is not listed as a backup: only the name rule keeps it from being followed.
    fs::create_symlink(folder.path / "victim",
                       store.folder() / backupFileName(time, 1, "dual group system", BackupKind::Read));
    const auto saved = store.save(Bytes(256, 0x11), "dual group system", BackupKind::Read, time);
    ASSERT_TRUE(saved) << saved.error;
    EXPECT_EQ(saved.file.filename(), backupFileName(time, 2, "dual group system", BackupKind::Read));
    EXPECT_FALSE(fs::exists(folder.path / "victim"));
}

}  // namespace
}  // namespace quorprog
