#pragma once

#include "fleet/fleet_run.h"

namespace quorprog {

// Threads for device sessions that use the Qt serial line: QThreads, whose event dispatcher the
// port's notifiers need.
ThreadStarter qtThreads();

}  // namespace quorprog
