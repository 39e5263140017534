#pragma once

#include <string>

#include "session/device_session.h"

namespace quorprog::cli {

// Reads the raw image file and identifies it against the models of the description, in order,
// setting up the model's channel plan in `session`. kSuccess, or kFailed with the reason shown.
int identifyImageFile(const std::string& imageFile, DeviceSession& session);

}  // namespace quorprog::cli
