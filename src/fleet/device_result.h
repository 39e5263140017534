#pragma once

#include <cstddef>
#include <string>

#include "seams/clock.h"

namespace quorprog {

// How one device of a fleet round ended: a row of the table and a record of the report.
struct DeviceResult {
    LocalTime time{};  // when it ended
    int round = 1;
    std::string port;        // COM1 .. COM4
    std::string programmer;  // the programmer's version line, as the scan found it
    std::string model;       // empty when none was detected
    bool ok = false;
    std::string message;  // why it failed; empty on success
    size_t changes = 0;   // bytes that differ between the device as read and as left
    std::string backup;   // the last backup kept of it (before the write); empty without
    double seconds = 0;   // its own time on the line, without the round's question
};

}  // namespace quorprog
