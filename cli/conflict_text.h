#pragma once

#include <string>

#include "coordination/compatibility_check.h"

namespace quorprog::cli {

// What disturbs a channel, after its kind: "spacing from 600300 kHz, 300 kHz away",
// "excluded range 470000-478000 kHz (TV channel 21 (eu))", "scan occupied at …".
std::string conflictText(const coordination::Conflict& conflict);

}  // namespace quorprog::cli
