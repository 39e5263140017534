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

// Why a scan of these ports found no programmer, first cause the user can remedy first.
enum class EmptyScanCause {
    PermissionDenied,   // a device the user may not open
    Busy,               // a device another program holds
    PortsEntryNowhere,  // a [PORTS] entry of the settings names a device that does not exist
    NoSerialPort,       // no device that opens at all
    NoAnswer,           // devices open, but no programmer answered
};
struct EmptyScanReason {
    EmptyScanCause cause = EmptyScanCause::NoAnswer;
    const ComPortCheck* port = nullptr;  // the port concerned, for the first three causes
};
EmptyScanReason emptyScanReason(const std::vector<ComPortCheck>& checks);

// That cause in one or two sentences of the current language, naming the device (or the
// [PORTS] entry) and the remedy.
std::string emptyScanHint(const std::vector<ComPortCheck>& checks, const LocalTexts& texts);

}  // namespace quorprog
