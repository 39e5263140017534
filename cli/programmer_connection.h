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

  private:
    CliEnvironment& environment_;
    QtSerialLine line_;
    ProgrammerLink link_;
};

}  // namespace quorprog::cli
