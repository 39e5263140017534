#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "coordination/frequency_units.h"

namespace quorprog::coordination {

// One point of an RF scan: what a receiver or analyser measured at a frequency.
struct ScanPoint {
    Hertz frequency = 0;
    double levelDbm = 0;

    friend bool operator==(const ScanPoint&, const ScanPoint&) = default;
};

// An RF scan as read from a file, or why it could not be read (then points is empty).
struct RfScan {
    std::vector<ScanPoint> points;  // in the file's order
    std::string error;              // names the line: "line 7: ..."

    bool ok() const { return error.empty(); }
};

// Beyond any scan a receiver exports (a million points), so that a wrong file cannot take the
// memory.
inline constexpr size_t kMaxScanBytes = size_t{32} << 20;
inline constexpr size_t kMaxScanPoints = size_t{2} << 20;
// A point at or above this level is occupied unless the user sets another threshold.
inline constexpr double kDefaultScanThresholdDbm = -90;

// Reads a scan: one point a line, its frequency and its level in dBm, separated by a comma, a
// semicolon, a tab or blanks. `#` starts a comment; blank lines are skipped, and so is a first
// line that does not start with a number (a header). The frequency's unit follows from its
// magnitude: below 100 000 MHz, below 100 000 000 kHz, hertz from there; it must come out above
// 0 and at most 10 GHz. Levels lie between -300 and +100 dBm.
RfScan readRfScan(std::string_view bytes);

// The frequencies of the points at or above the threshold, ascending, each once.
std::vector<Hertz> occupiedFrequencies(std::span<const ScanPoint> points, double thresholdDbm);

}  // namespace quorprog::coordination
