#pragma once

#include <filesystem>
#include <string>

#include "programmer/port_resolution.h"

namespace quorprog {

// quorprog.ini in the per-user configuration folder; its [PORTS] section maps COM names to
// devices (COM1=/dev/ttyUSB0).
std::filesystem::path defaultSettingsFile();

// The device backups in the per-user data folder (~/.local/share/quorprog/backups on Linux),
// shared by the program and quorprog-cli.
std::filesystem::path defaultBackupFolder();

// The device to open for a COM name: the [PORTS] entry of `settingsFile`, else the platform's
// rule over the ports the system lists. Empty when there is none.
std::string deviceForPort(const std::string& name, const std::filesystem::path& settingsFile);
// The same device with the way it was found.
ResolvedPort resolveComPort(const std::string& name, const std::filesystem::path& settingsFile);

}  // namespace quorprog
