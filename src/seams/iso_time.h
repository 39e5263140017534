#pragma once

#include <string>

#include "seams/clock.h"

namespace quorprog {

// "2026-12-08T14:30:05": how listings and reports give a moment.
std::string isoTimeText(const LocalTime& time);

}  // namespace quorprog
