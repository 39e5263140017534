#include "seams/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace quorprog {
namespace {

namespace fs = std::filesystem;

// More links in a row than this is a loop (the kernel's own limit is 40).
constexpr int kMaxLinkDepth = 40;
// Random names practically never meet; a few tries cover a planted file that does.
constexpr int kNameTries = 16;

// Closes the descriptor on every path out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // close() reports the last write errors of some file systems (NFS): it must be checked.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<size_t>(written));
    }
    return true;
}

// The file a chain of links ends at (the path itself when it is no link); it need not exist.
// Nothing on a loop or an unreadable link.
std::optional<fs::path> followLinks(fs::path path) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<size_t>(length) >= target.size()) return std::nullopt;
        target.resize(static_cast<size_t>(length));
        path = fs::path(target).is_absolute() ? fs::path(target) : path.parent_path() / target;
    }
    return std::nullopt;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A name in `folder` no one can guess: 128 bits from the system's random source.
fs::path unpredictableName(const fs::path& folder) {
    std::random_device random;
    char name[48];
    std::snprintf(name, sizeof name, ".quorprog-%08x%08x%08x%08x.tmp", random(), random(), random(),
                  random());
    return folder / name;
}

// The bytes in a new, synced file of `folder`; its name, or nothing (and nothing left behind).
std::optional<fs::path> writeTemporary(const fs::path& folder, std::span<const uint8_t> bytes,
                                       const struct stat* existing) {
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const fs::path temporary = unpredictableName(folder);
        Descriptor file(::open(temporary.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!file.valid()) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        bool written = true;
        if (existing) {
            // Best effort: only root may give a file to another owner.
            [[maybe_unused]] const int ignored =
                ::fchown(file.get(), existing->st_uid, existing->st_gid);
            written = ::fchmod(file.get(), existing->st_mode & 07777) == 0;
        }
        written = written && writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
        written = file.close() && written;
        if (written) return temporary;
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

// The rename is durable only once the folder's entry is on disk. Some file systems cannot sync a
// folder (EINVAL): there is nothing more to do.
bool syncFolder(const fs::path& folder) {
    Descriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!descriptor.valid()) return false;
    return ::fsync(descriptor.get()) == 0 || errno == EINVAL;
}

bool writeInPlace(const fs::path& device, std::span<const uint8_t> bytes) {
    Descriptor file(::open(device.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) return false;
    const bool written = writeAll(file.get(), bytes);
    return file.close() && written;
}

// Gives `temporary` the name `target` unless something has it. Linux renames without replacing;
// where the file system cannot, a hard link fails just as well on a taken name.
NewFileOutcome nameIfFree(const fs::path& temporary, const fs::path& target) {
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return NewFileOutcome::Created;
    if (errno == EINVAL || errno == ENOSYS) {
        if (::link(temporary.c_str(), target.c_str()) == 0) {
            ::unlink(temporary.c_str());
            return NewFileOutcome::Created;
        }
    }
    const NewFileOutcome outcome =
        errno == EEXIST ? NewFileOutcome::NameTaken : NewFileOutcome::Failed;
    ::unlink(temporary.c_str());
    return outcome;
}

}  // namespace

bool replaceFileContents(const fs::path& path, std::span<const uint8_t> bytes) {
    if (path.empty()) return false;
    // The kernel follows the links first: /dev/stdout leads through /proc to a pipe, which no
    // reading of the link texts reaches.
    struct stat status {};
    std::optional<fs::path> target;
    if (::stat(path.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) return writeInPlace(path, bytes);
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved) return false;
        target = fs::path(resolved);
        std::free(resolved);
    } else if (errno == ENOENT) {
        // Nothing there yet, or a link to a file not yet there: that file is created.
        target = followLinks(path);
    }
    if (!target) return false;

    const bool exists = ::stat(target->c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) return false;  // changed under our feet
    const fs::path folder = folderOf(*target);
    const std::optional<fs::path> temporary =
        writeTemporary(folder, bytes, exists ? &status : nullptr);
    if (!temporary) return false;
    if (::rename(temporary->c_str(), target->c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    return syncFolder(folder);
}

NewFileOutcome createNewFile(const fs::path& path, std::span<const uint8_t> bytes) {
    const fs::path folder = folderOf(path);
    const std::optional<fs::path> temporary = writeTemporary(folder, bytes, nullptr);
    if (!temporary) return NewFileOutcome::Failed;
    const NewFileOutcome outcome = nameIfFree(*temporary, path);
    if (outcome == NewFileOutcome::Created && !syncFolder(folder)) return NewFileOutcome::Failed;
    return outcome;
}

}  // namespace quorprog
