#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "programmer/port_access.h"

namespace quorprog {

// Opens the device the way a serial port is opened (read and write, not as the controlling
// terminal, without waiting for a carrier) and closes it at once: what that gives.
PortAccess probePort(const std::string& device);

// COM1 … COM4 as the scan tries them: each name resolved through the settings file's [PORTS]
// or the system's port list, and its device probed.
std::vector<ComPortCheck> checkComPorts(const std::filesystem::path& settingsFile);

}  // namespace quorprog
