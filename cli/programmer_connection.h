#pragma once

#include "cli_environment.h"
#include "programmer/programmer_link.h"
#include "ui/serial/qt_serial_line.h"

namespace quorprog::cli {

// The programmers on COM1 .. COM4 through the real serial line (COM names resolved by the
// [PORTS] section of quorprog.ini, as in the program) and the one the user chose.
class ProgrammerConnection {
  public:
    explicit ProgrammerConnection(CliEnvironment& environment);

    ProgrammerLink& link() { return link_; }

    // Scans and chooses the n-th programmer found (from 1), then asks its battery as the main
    // window does on a choice. False, with the reason told, when fewer were found.
    bool choose(int n);

    // Why the last scan found no programmer: a port that cannot be used (permission denied,
    // busy, a [PORTS] entry naming no device) is named with what opening it gives.
    std::string whyNoneFound() const;

  private:
    CliEnvironment& environment_;
    QtSerialLine line_;
    ProgrammerLink link_;
};

}  // namespace quorprog::cli
