#pragma once

#include <filesystem>
#include <functional>

namespace quorprog {

class DeviceSession;
class LocalTexts;
class Prompter;

// Opens a raw device image (a backup, or a file of quorprog-cli read -o) into the session after a
// read: taken only when it is a whole image of the detected model; then every byte that differs
// is stored for the next write, `showRestored` redraws the grid and group panel, and the user is
// told. A foreign or unreadable image is refused with a message and changes nothing.
void openDeviceImageAt(DeviceSession& session, const std::filesystem::path& path,
                       Prompter& prompter, const LocalTexts& texts,
                       const std::function<void()>& showRestored);

}  // namespace quorprog
