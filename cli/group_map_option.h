#pragma once

#include <string>

#include "fleet/plan_application.h"

namespace quorprog::cli {

// --map FILE_GROUP:DEVICE_GROUP,...: each file group at most once. A wrong one throws UsageError.
GroupMap parseGroupMap(const std::string& mapping);

}  // namespace quorprog::cli
