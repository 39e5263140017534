#pragma once

#include <string>

#include "session/device_session.h"

namespace quorprog::cli {

class CliEnvironment;

// The detected model and its channel plan: a table for people, or with --json
// {"model", "memoryMap", "groups": [...]} with every frequency in kHz.
std::string planText(const DeviceSession& session, const CliEnvironment& environment);
std::string planJson(const DeviceSession& session);

}  // namespace quorprog::cli
