#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace quorprog {

// How every file the program and its tools write reaches the disk. A file name given by the user
// may be a link, a device or a FIFO, and the folder may be shared with someone who guesses names:
//   - the bytes go first into a new file of the target's folder, created exclusively under an
//     unpredictable name without following links, synced, and only then renamed over the target
//     (the folder is synced after), so a failure such as a full disk leaves the old file whole;
//   - a target that is a link is written through to the file it names, and the link stays;
//   - a target that exists and is not a regular file (/dev/null, /dev/stdout, a FIFO) is written
//     in place and never replaced;
//   - an existing file keeps its permissions (and its owner, where the process may set it); a new
//     one gets 0666 less the umask.
// False when any step fails.
bool replaceFileContents(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// A new file that must never replace one of the same name (a backup): written and synced under a
// temporary name as above, then given `path` only if nothing has that name, links included.
enum class NewFileOutcome { Created, NameTaken, Failed };
NewFileOutcome createNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace quorprog
