#pragma once

#include <string>

#include "cli_environment.h"
#include "files/channel_file.h"
#include "session/device_session.h"

namespace quorprog::cli {

// A channel file read whole. A file that is not one gets the program's own message; a cut-off
// or unreadable one the tool's. `raw`, when given, receives the file's bytes as read (the open
// command of the program takes those). kSuccess, or kFailed once reported.
int readChannelFile(CliEnvironment& environment, const std::string& path, ChannelFile& file,
                    Bytes* raw = nullptr);

// A raw image identified against the models of the description and set up into the session,
// as the read command does with a device. kSuccess, or kFailed once reported.
int loadImageFile(const std::string& path, DeviceSession& session);

// Replaces the file in one step; kSuccess, or kFailed once reported.
int writeChannelFile(const std::string& path, const ChannelFile& file);

}  // namespace quorprog::cli
