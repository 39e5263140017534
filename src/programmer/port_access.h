#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "programmer/port_resolution.h"
#include "text/local_texts.h"

namespace quorprog {

// What opening a serial device gives.
enum class PortAccess {
    Opens,
    PermissionDenied,  // the device belongs to a group the user is not in (dialout)
    Busy,              // another program holds it exclusively
    Missing,           // no such device
    Failed,            // any other error
};

// The error of an open() that failed, as what it means for the user.
PortAccess portAccessFromError(std::errc error);

// One of COM1 … COM4: the device its name resolves to and what opening that device gives.
struct ComPortCheck {
    std::string name;
    ResolvedPort port;
    PortAccess access = PortAccess::Missing;
};

// Stable names for output: "opens", "permission denied", "busy", "missing", "error"; and
// "settings", "system", "name", "none".
std::string_view portAccessName(PortAccess access);
std::string_view portSourceName(PortSource source);

// Why a scan of these ports found no programmer, in one or two sentences of the current
// language: a device the user may not open (with the dialout remedy), else a busy device, else no
// device that opens at all, else no programmer answered.
std::string emptyScanHint(const std::vector<ComPortCheck>& checks, const LocalTexts& texts);

}  // namespace quorprog
