#pragma once

#include <string>
#include <vector>

#include "images/image_changes.h"

namespace quorprog::cli {

class CliEnvironment;

// The changes between two images as the write question lists them, or with --json
// {"changes":[{"group","channel","field","old","new"}, ..., {"address","old","new"}]}
// (frequencies and limits in MHz, a frequency without value as null).
std::string changesOutput(const std::vector<ImageChange>& changes,
                          const CliEnvironment& environment);

}  // namespace quorprog::cli
