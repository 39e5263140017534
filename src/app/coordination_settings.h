#pragma once

#include "app/settings_file.h"
#include "ui/coordination/coordinated_group.h"

namespace quorprog {

// What the coordination dialogs keep in quorprog.ini under [COORDINATION]: the guards (SPACING,
// IM3, IM3X3, IM5, kHz with a dot), PROFILE (a profile's name, absent for guards as set), WINDOW
// (kHz, 0 off), TVREGION (eu, us, absent for none), THRESHOLD (dBm) and SCANGUARD (kHz). A missing
// or unreadable value is the default; the scan and the ticked TV channels are not kept.
CoordinationChoices loadCoordinationChoices(const SettingsFile& settings);
bool saveCoordinationChoices(const SettingsFile& settings, const CoordinationChoices& choices);

}  // namespace quorprog
