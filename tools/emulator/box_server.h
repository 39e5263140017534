#pragma once

#include <csignal>

#include "programmer_box.h"
#include "pseudo_terminal.h"
#include "traffic_trace.h"

namespace quorprog::emulator {

// Serves the box on the pseudo-terminal until `stop` is set: bytes from the host go to the box,
// its answers back to the host, both into the trace. With a baud rate every byte, either way,
// takes its time on the wire. While the host has the port closed, nothing is sent and a
// half-received command is forgotten.
void serveBox(PseudoTerminal& terminal, ProgrammerBox& box, TrafficTrace& trace, int baud,
              const volatile std::sig_atomic_t& stop);

}  // namespace quorprog::emulator
