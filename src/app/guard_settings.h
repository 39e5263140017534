#pragma once

#include "app/settings_file.h"
#include "coordination/coordination_rules.h"

namespace quorprog {

// The guards last set in a coordination dialog, kept in quorprog.ini under [COORDINATION] as kHz
// with a dot (SPACING, IM3, IM3X3, IM5). A missing or unreadable value is the default guard.
coordination::Guards loadGuards(const SettingsFile& settings);
bool saveGuards(const SettingsFile& settings, const coordination::Guards& guards);

}  // namespace quorprog
